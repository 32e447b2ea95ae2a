// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menusShowWhatTheWindowOffers();
  void hiddenCommandsCarryAndStoreTheirStates();
  void markerFilesShowTheirControls();
  void firstStartPlacesTheWindowAndClosingStoresIt();
  void restoredWindowStaysReachable();
  void gridHeadingsAndHiddenPages();
  void toolBarCommandsAndHints();
  void manualAndVersionWindow();
  void programEndsWithoutJVLinkAndTakesScreenshots();
};

}  // namespace rv::gui
