// A damaged day: the input cut into the day's race, runner, payout and odds files, then
// loaded as the window loads a day. Nothing may crash; damage shows as blanks or a message.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "model/day.h"
#include "model/day_load.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/services.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  namespace fs = std::filesystem;
  static const fs::path app = [] {
    fs::path p = fs::temp_directory_path() / ("fuzz-day-" + std::to_string(getpid()));
    fs::create_directories(p / "DATA");
    set_app_dir(p);
    return p;
  }();
  static const std::unique_ptr<Day> day = make_day();
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string date = sj("2026年12月06日");
  const char* kinds[] = {".jvRA", "中山.jvSEr", ".jvHR", ".jvO1", ".jvO6", ".jvDM"};
  const std::size_t part = input.size() / std::size(kinds) + 1;
  for (std::size_t i = 0; i < std::size(kinds); ++i) {
    const std::string_view piece = i * part < input.size() ? input.substr(i * part, part) : "";
    // Plain writes: the files are scratch, and flushing each to the disk would slow the run.
    std::FILE* f = std::fopen(app_path("\\DATA\\" + date + sj(kinds[i])).c_str(), "wb");
    if (f == nullptr) std::abort();
    std::fwrite(piece.data(), 1, piece.size(), f);
    std::fclose(f);
  }
  SilentDialogs dialogs;
  DayLoadControls controls;
  try {
    LoadDay(*day, controls, date, DayLoadSettings{}, dialogs);
  } catch (const FileError&) {
  }
  return 0;
}
