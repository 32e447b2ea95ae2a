// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class GridViewTest : public QObject {
  Q_OBJECT

 private slots:
  void headingRowIsTheHeaderAndTextsAreConverted();
  void changesShowAfterSyncAndRowCountsFollow();
  void styleGivesColoursBoldAlignmentAndTwoLines();
  void columnWidthsAndVisibilityFollowTheGrid();
  void mouseAndKeysReachTheHandlerInGridRows();
  void selectionSetByTheCoreShowsAndCanBeRemoved();
  void runsAreDrawnOnTheirLinesInTheirColours();
};

}  // namespace rv::gui
