#include "app/help.h"

#include <system_error>

#include "support/app_dir.h"
#include "support/text.h"

namespace rv {

void OpenManual(Dialogs& dialogs, Desktop& desktop) {
  const fs::path manual = app_path("\\Ravelin.pdf");
  std::error_code ec;
  if (!fs::is_regular_file(manual, ec)) {
    dialogs.beep();
    dialogs.info(SJ("使用解説書[Ravelin.pdf]が見つかりません。"));
    return;
  }
  // Without a program for PDF files the shell opens nothing; say so rather than stay silent.
  if (!desktop.open(manual)) {
    dialogs.beep();
    dialogs.info(SJ("使用解説書[Ravelin.pdf]を開けません。"));
  }
}

}  // namespace rv
