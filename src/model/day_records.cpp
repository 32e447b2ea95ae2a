#include "model/day_records.h"

#include <algorithm>

#include "model/day_paths.h"
#include "support/text.h"

namespace rv {
namespace {

// A race's runner records are read in one run straight into its row of the model.
static_assert(sizeof(SeRecord) == SeRecord::kSize && sizeof(RaRecord) == RaRecord::kSize);

// Date and venue, without the meeting numbers.
constexpr jv::Field kDateVenue = jv::through(jv::head::Year, jv::head::JyoCD);

bool same(const char* a, const char* b, const jv::Field& f) {
  return std::memcmp(a + f.offset(), b + f.offset(), f.size()) == 0;
}

bool blank(const char* rec, const jv::Field& f) {
  return is_blank({rec + f.offset(), f.size()});
}

bool same_key(const char* a, const char* b, SlotMatch match) {
  if (match == SlotMatch::kRaceKey) return same(a, b, jv::head::RaceKey);
  return same(a, b, kDateVenue) && same(a, b, jv::head::RaceNum);
}

bool blank_key(const char* rec, SlotMatch match) {
  if (match == SlotMatch::kRaceKey) return blank(rec, jv::head::RaceKey);
  return blank(rec, kDateVenue) && blank(rec, jv::head::RaceNum);
}

}  // namespace

std::string VenueRace(std::string_view rec) {
  std::string key(jv::field(rec, jv::head::JyoCD));
  key += jv::field(rec, jv::head::RaceNum);
  return key;
}

int RunnerSlots(const Day& day, int slot) {
  return std::clamp(day.runners(slot), 0, kMaxHorses);
}

int ReadRunnerRecords(Day& day, std::string_view day_name, int slot, int count) {
  if (slot < 0 || slot >= kMaxRaces) return 0;
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  const int race = inum(ra.field(jv::head::RaceNum));
  count = std::clamp(count, 0, kMaxHorses);
  if (race < 1 || race > 12 || count == 0) return 0;
  const auto file = SeFilePath(day_name, ra.field(jv::head::JyoCD));
  if (!file) return 0;
  auto& runners = day.SeData[static_cast<std::size_t>(slot)];
  return static_cast<int>(
      read_records(*file, SeRecord::kSize, static_cast<std::size_t>(race - 1) * kMaxHorses,
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
