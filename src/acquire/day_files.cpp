#include "acquire/day_files.h"

#include "jvdata/code_tables.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::string_view kData = "\\Data\\";
constexpr std::string_view kChg = "\\CHG\\";

// A kind's id and line length are those of its record layout.
constexpr DayFileKind day_file(jv::Kind kind, std::string_view folder, std::string_view extension,
                               const jv::Field& key, ZeroRule zero, bool drop_blank_first_line,
                               bool slotted) {
  const jv::Layout& l = jv::layout(kind);
  return {l.id, folder, extension, l.line_length(), key, zero, drop_blank_first_line, slotted};
}

using jv::Kind;
constexpr jv::Field kRaceKey = jv::head::RaceKey;

// The WE key runs to the change id so every announcement keeps its own line.
constexpr DayFileKind kKinds[] = {
    day_file(Kind::RA, kData, ".jvRA", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::SE, kData, ".jvSEr", kRaceKey, ZeroRule::kNever, false, true),
    day_file(Kind::HR, kData, ".jvHR", kRaceKey, ZeroRule::kStoredDataOnly, false, false),
    day_file(Kind::O1, kData, ".jvO1", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::O2, kData, ".jvO2", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::O3, kData, ".jvO3", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::O4, kData, ".jvO4", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::O5, kData, ".jvO5", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::O6, kData, ".jvO6", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::DM, kData, ".jvDM", kRaceKey, ZeroRule::kAlways, true, false),
    day_file(Kind::WE, kChg, ".WE", jv::we::AnnouncementKey, ZeroRule::kNever, false, false),
    day_file(Kind::TC, kChg, ".TC", kRaceKey, ZeroRule::kNever, true, false),
};

}  // namespace

std::span<const DayFileKind> DayFileKinds() {
  return kKinds;
}

const DayFileKind* FindDayFileKind(std::string_view record) {
  const std::string_view id = jv::field(record, jv::rec::RecordSpec);
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
  return DayNameOfDate(jv::field(record, jv::head::Date));
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
  if (kind.slotted) return SeFileName(*day, jv::field(record, jv::head::JyoCD));
  return *day + std::string(kind.extension);
}

std::optional<std::size_t> SeSlot(int race, int horse) {
  if (race < 1 || race > kSeRaces || horse < 1 || horse > kSeHorses) return std::nullopt;
  return static_cast<std::size_t>((race - 1) * kSeHorses + (horse - 1));
}

}  // namespace rv
