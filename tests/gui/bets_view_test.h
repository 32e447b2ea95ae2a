// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class BetsViewTest : public QObject {
  Q_OBJECT

 private slots:
  void betTabsSortToggleAndHighlightThroughTheViews();
  void selectionSetWindowShowsAndDrivesItsControls();
};

}  // namespace rv::gui
