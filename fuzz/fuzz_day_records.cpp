// Records as JV-Link or a damaged feed could hand them over, one per line: routed as the
// download routes them and laid into day-file lines in memory. The two ways the store merges
// keyed lines (sorting after every record, or placing into lines kept sorted) must give the
// same lines, and every line laid must be one of the records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/day_files.h"
#include "acquire/day_merge.h"
#include "acquire/download_routing.h"
#include "jvdata/layouts.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace rv;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::map<const DayFileKind*, std::vector<std::string>> resorted;
  std::map<const DayFileKind*, std::vector<std::string>> placed;
  std::vector<std::string_view> se = BlankSeLines();
  const DownloadFilter filter{20250101, true};
  std::size_t start = 0;
  while (start < input.size()) {
    std::size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = input.size();
    const std::string_view record = input.substr(start, end - start + 1);
    start = end + 1;
    (void)DownloadWants(record, filter);
    (void)CreatedLine(record);
    const DayFileKind* kind = FindDayFileKind(record);
    if (kind == nullptr || !DayFileName(*kind, record)) continue;
    const std::string_view line = RecordLine(record);
    if (kind->slotted) {
      if (const auto slot = SeSlot(inum(jv::field(record, jv::head::RaceNum)),
                                   inum(jv::field(record, jv::se::Umaban)))) {
        PutSeLine(se, *slot, line);
      }
      continue;
    }
    const KeySpec spec{static_cast<std::size_t>(kind->key.pos), kind->key.size(),
                       kind->drop_blank_first_line};
    MergeKeyedLine(resorted[kind], std::string(line), spec);
    std::vector<std::string>& p = placed[kind];
    if (p.empty()) {
      MergeKeyedLine(p, std::string(line), spec);
    } else {
      MergeKeyedLineSorted(p, std::string(line), spec);
    }
  }
  if (resorted != placed) std::abort();
  if (se.size() != kSeSlots) std::abort();
  return 0;
}
