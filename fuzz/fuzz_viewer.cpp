// A damaged file of the odds viewer: its lines searched for the announcement nearest to a
// time (the answer must be one of them), then imported for one race as "時系列オッズより取得"
// imports it. Nothing may crash.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "acquire/day_store.h"
#include "acquire/viewer_import.h"
#include "fuzz/scratch.h"
#include "jvdata/layouts.h"
#include "support/app_dir.h"
#include "support/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  namespace fs = std::filesystem;
  static const fs::path app = fuzz::ScratchAppDir("viewer", {"DATA", "viewer/20261206"});
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < input.size();) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    lines.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  const int target = size > 0 ? data[0] * 6 : 600;
  if (const auto at = NearestAnnouncement(lines, target); at && *at >= lines.size()) std::abort();

  static const std::string ra = [] {
    std::string r(jv::ra::kLayout.length, ' ');
    r.replace(0, 2, "RA");
    r.replace(11, 16, "2026120606050211");
    return r;
  }();
  // Half the input as the race's 単複枠 file, the rest as its 馬連 file.
  const std::size_t half = input.size() / 2;
  const std::pair<const char*, std::string_view> files[] = {{".jvO1", input.substr(0, half)},
                                                            {".jvO2", input.substr(half)}};
  for (const auto& [extension, bytes] : files) {
    fuzz::WriteScratch(app / "viewer" / "20261206" / (std::string("06050211") + extension), bytes);
  }
  const ViewerRace race{ra, "1520"};
  DayStore store(DayStore::Mode::kWriteBack);
  try {
    ImportViewerOdds(app / "viewer", {&race, 1}, store);
  } catch (const FileError&) {
  }
  return 0;
}
