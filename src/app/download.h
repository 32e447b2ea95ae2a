// "JVデータ取得" of the main window: the stored-data window (TGetDataForm) run over it, and
// what the main window does once that window closed.
#pragma once

#include <functional>

#include "app/day_loading.h"
#include "support/message_pump.h"

namespace rv {

class StoredDataDownload {
 public:
  // The day loading outlives this object.
  explicit StoredDataDownload(DayLoading& days) : days_(days) {}
  StoredDataDownload(const StoredDataDownload&) = delete;
  StoredDataDownload& operator=(const StoredDataDownload&) = delete;

  // run_window shows the stored-data window and returns once it closed (a modal window runs
  // the messages meanwhile); then GetDataFormClose. Ignored while that window is open.
  void JVDataGetItemClick(const std::function<void()>& run_window);
  // The stored-data window closed: new days appear in the day list.
  void GetDataFormClose() { days_.DayFilesChanged(); }

 private:
  DayLoading& days_;
  // The stored-data window runs the messages while it is open; this keeps a second
  // "JVデータ取得" from opening another one over it.
  Reentry open_;
};

}  // namespace rv
