// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class VrhWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void theSettingsWindowStoresWhatIsTyped();
  void theLogWindowShowsEveryDayNewestFirst();
  void aRunOverAllDaysShowsItsDayAndStopsOnCancel();
};

}  // namespace rv::gui
