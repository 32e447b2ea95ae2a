#include "app/download.h"

namespace rv {

void StoredDataDownload::JVDataGetItemClick(const std::function<void()>& run_window) {
  const Reentry::Hold hold = open_.enter();
  if (!hold) return;
  run_window();
  GetDataFormClose();
}

}  // namespace rv
