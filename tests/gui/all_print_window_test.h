// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class AllPrintWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSheetAndKeepsZoomAndPlace();
};

}  // namespace rv::gui
