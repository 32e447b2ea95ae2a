// A damaged day: the input cut into the day's race, runner, payout and odds files, then
// loaded as the window loads a day. Nothing may crash; damage shows as blanks or a message.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "fuzz/scratch.h"
#include "model/day.h"
#include "model/day_load.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/services.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  namespace fs = std::filesystem;
  static const fs::path app = fuzz::ScratchAppDir("day", {"DATA"});
  static const std::unique_ptr<Day> day = make_day();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string date = sj("2026年12月06日");
  const char* kinds[] = {".jvRA", "中山.jvSEr", ".jvHR", ".jvO1", ".jvO6", ".jvDM"};
  const std::size_t part = input.size() / std::size(kinds) + 1;
  for (std::size_t i = 0; i < std::size(kinds); ++i) {
    const std::string_view piece = i * part < input.size() ? input.substr(i * part, part) : "";
    fuzz::WriteScratch(app_path("\\DATA\\" + date + sj(kinds[i])), piece);
  }
  SilentDialogs dialogs;
  DayLoadControls controls;
  try {
    LoadDay(*day, controls, date, DayLoadSettings{}, dialogs);
  } catch (const FileError&) {
  }
  return 0;
}
