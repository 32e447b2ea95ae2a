#include "model/day_records.h"

#include <algorithm>

#include "model/day_paths.h"
#include "support/text.h"

namespace rv {
namespace {

// A race's runner records are read in one run straight into its row of the model.
static_assert(sizeof(SeRecord) == kSeLen && sizeof(RaRecord) == kRaLen);

bool same_key(const char* a, const char* b, SlotMatch match) {
  // Bytes 12-21 are 0-based 11..20, bytes 26-27 0-based 25..26.
  if (match == SlotMatch::kRaceKey) return std::memcmp(a + 11, b + 11, 16) == 0;
  return std::memcmp(a + 11, b + 11, 10) == 0 && std::memcmp(a + 25, b + 25, 2) == 0;
}

bool blank_key(const char* rec, SlotMatch match) {
  if (match == SlotMatch::kRaceKey) return is_blank({rec + 11, 16});
  return is_blank({rec + 11, 10}) && is_blank({rec + 25, 2});
}

}  // namespace

int RunnerSlots(const Day& day, int slot) {
  return std::clamp(day.runners(slot), 0, kMaxHorses);
}

int ReadRunnerRecords(Day& day, std::string_view day_name, int slot, int count) {
  if (slot < 0 || slot >= kMaxRaces) return 0;
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  const int race = inum(ra.field(26, 2));
  count = std::clamp(count, 0, kMaxHorses);
  if (race < 1 || race > 12 || count == 0) return 0;
  const auto file = SeFilePath(day_name, ra.field(20, 2));
  if (!file) return 0;
  auto& runners = day.SeData[static_cast<std::size_t>(slot)];
  return static_cast<int>(
      read_records(*file, kSeLen, static_cast<std::size_t>(race - 1) * kMaxHorses,
                   runners[0].bytes.data(), sizeof(SeRecord), static_cast<std::size_t>(count)));
}

int SlotOfRecord(const Day& day, const char* rec, SlotMatch match) {
  if (blank_key(rec, match)) return -1;
  for (int s = 0; s < kMaxRaces; ++s) {
    if (same_key(day.RaData[static_cast<std::size_t>(s)].bytes.data(), rec, match)) return s;
  }
  return -1;
}

}  // namespace rv
