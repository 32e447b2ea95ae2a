// A damaged userkaimeset.dat: loaded as the selection-set window loads it, and every set it
// offers chosen in turn. Nothing may crash, and the controls a set fills must store back
// as a whole line of its fixed length.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "betting/selection_set.h"
#include "betting/user_kaime_form.h"
#include "fuzz/scratch.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/services.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  namespace fs = std::filesystem;
  static const fs::path app = fuzz::ScratchAppDir("kaime", {});
  fuzz::WriteScratch(app / "userkaimeset.dat",
                     std::string_view(reinterpret_cast<const char*>(data), size));
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
