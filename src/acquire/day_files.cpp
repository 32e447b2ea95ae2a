#include "acquire/day_files.h"

#include "jvdata/code_tables.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::string_view kData = "\\Data\\";
constexpr std::string_view kChg = "\\CHG\\";

// The WE key runs to the change id (bytes 12-34) so every announcement keeps its own line.
constexpr DayFileKind kKinds[] = {
    {"RA", kData, ".jvRA", 1270, 12, 16, ZeroRule::kAlways, true, false},
    {"SE", kData, ".jvSEr", kSeLineLength, 12, 16, ZeroRule::kNever, false, true},
    {"HR", kData, ".jvHR", 717, 12, 16, ZeroRule::kStoredDataOnly, false, false},
    {"O1", kData, ".jvO1", 960, 12, 16, ZeroRule::kAlways, true, false},
    {"O2", kData, ".jvO2", 2040, 12, 16, ZeroRule::kAlways, true, false},
    {"O3", kData, ".jvO3", 2652, 12, 16, ZeroRule::kAlways, true, false},
    {"O4", kData, ".jvO4", 4029, 12, 16, ZeroRule::kAlways, true, false},
    {"O5", kData, ".jvO5", 12291, 12, 16, ZeroRule::kAlways, true, false},
    {"O6", kData, ".jvO6", 83283, 12, 16, ZeroRule::kAlways, true, false},
    {"DM", kData, ".jvDM", 301, 12, 16, ZeroRule::kAlways, true, false},
    {"WE", kChg, ".WE", 40, 12, 23, ZeroRule::kNever, false, false},
    {"TC", kChg, ".TC", 43, 12, 16, ZeroRule::kNever, true, false},
};

}  // namespace

std::span<const DayFileKind> DayFileKinds() {
  return kKinds;
}

const DayFileKind* FindDayFileKind(std::string_view record) {
  const std::string_view id = fld(record, 1, 2);
  for (const DayFileKind& k : kKinds) {
    if (k.id == id) return &k;
  }
  return nullptr;
}

std::optional<std::string> DayNameOfDate(std::string_view date) {
  if (date.size() != 8 || !all_digits(date)) return std::nullopt;
  std::string name(date.substr(0, 4));
  name += SJ("年");
  name += date.substr(4, 2);
  name += SJ("月");
  name += date.substr(6, 2);
  name += SJ("日");
  return name;
}

std::optional<std::string> DayName(std::string_view record) {
  return DayNameOfDate(fld(record, 12, 8));
}

std::optional<std::string> SeFileName(std::string_view day_name, std::string_view venue_code) {
  if (venue_code.size() != 2 || !all_digits(venue_code)) return std::nullopt;
  const std::string& venue = BashoShortName(venue_code);
  if (venue.empty()) return std::nullopt;
  return std::string(day_name) + venue + ".jvSEr";
}

std::optional<std::string> DayFileName(const DayFileKind& kind, std::string_view record) {
  std::optional<std::string> day = DayName(record);
  if (!day) return std::nullopt;
  if (kind.slotted) return SeFileName(*day, fld(record, 20, 2));
  return *day + std::string(kind.extension);
}

std::optional<std::size_t> SeSlot(int race, int horse) {
  if (race < 1 || race > kSeRaces || horse < 1 || horse > kSeHorses) return std::nullopt;
  return static_cast<std::size_t>((race - 1) * kSeHorses + (horse - 1));
}

}  // namespace rv
