// A damaged userkaimeset.dat: loaded as the selection-set window loads it, and every set it
// offers chosen in turn. Nothing may crash, and the controls a set fills must store back
// as a whole line of its fixed length.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "betting/selection_set.h"
#include "betting/user_kaime_form.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/services.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  namespace fs = std::filesystem;
  static const fs::path app = [] {
    fs::path p = fs::temp_directory_path() / ("fuzz-kaime-" + std::to_string(getpid()));
    fs::create_directories(p);
    set_app_dir(p);
    return p;
  }();
  // A plain write: the file is scratch.
  std::FILE* f = std::fopen((app / "userkaimeset.dat").c_str(), "wb");
  if (f == nullptr) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  SilentDialogs dialogs;
  Label name;
  TUserKaimeForm form(dialogs, name);
  try {
    form.FormCreate();
  } catch (const FileError&) {
    return 0;
  }
  for (int i = 0; form.SelectSet(i); ++i) {
    if (SetLine(form.Current()).size() != kSetLineLen) std::abort();
  }
  return 0;
}
