// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class GetDataWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void aRunFillsTheViewsAndMovesThePicker();
  void theWindowStaysResponsiveAndCancellableWhileReading();
  void theStatusTimerRunsInTheEventLoopAndACancelStopsIt();
  void pickingADayKeepsTheTimeAndSetupFailuresAreShown();
};

}  // namespace rv::gui
