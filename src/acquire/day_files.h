// Day files: every JV-Data record the system obtains is kept in a file of its kind and
// meeting day below AppDir, one record per line without its closing CR LF, so that each file
// is also a file of fixed-size records. This header names the files and describes each kind;
// acquire/day_store.h writes them.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "jvdata/layouts.h"

namespace rv {

// Where a record came from; it decides whether an HR record keeps its data kind and date.
enum class RecordOrigin { kStoredData, kRealTime };

// When the data kind and creation date (DataKubun, MakeDate) are overwritten with "000000000".
enum class ZeroRule { kAlways, kStoredDataOnly, kNever };

struct DayFileKind {
  std::string_view id;         // record id (RecordSpec): "RA"
  std::string_view folder;     // "\\Data\\" or "\\CHG\\"
  std::string_view extension;  // ".jvRA"; the SE file adds the venue before it
  std::size_t line_length;     // the record length without CR LF
  jv::Field key;               // what tells the lines of a keyed file apart
  ZeroRule zero;
  bool drop_blank_first_line;
  bool slotted;  // SE: 216 fixed slots instead of keyed, sorted lines

  [[nodiscard]] bool zeroes(RecordOrigin origin) const {
    return zero == ZeroRule::kAlways ||
           (zero == ZeroRule::kStoredDataOnly && origin == RecordOrigin::kStoredData);
  }
};

// RA, SE, HR, O1..O6, DM, WE, TC.
std::span<const DayFileKind> DayFileKinds();
// The kind of a record by its id (RecordSpec); nullptr for kinds without a day file.
const DayFileKind* FindDayFileKind(std::string_view record);

// The day name of a date given as eight digits yyyymmdd; nullopt for anything else.
std::optional<std::string> DayNameOfDate(std::string_view yyyymmdd);

// The meeting date of a record (Year, MonthDay) as "yyyy年mm月dd日"; nullopt when those bytes
// are not eight digits, so a damaged record can never name a file.
std::optional<std::string> DayName(std::string_view record);

// The SE file of one venue of a day: DayName + venue short name + ".jvSEr"; nullopt when
// the venue code is not two digits of a named venue.
std::optional<std::string> SeFileName(std::string_view day_name, std::string_view venue_code);

// The file (below the kind's folder) that takes a record; nullopt when its date, or for SE
// its venue, cannot name one.
std::optional<std::string> DayFileName(const DayFileKind& kind, std::string_view record);

// SE slots: race 1-12, horse 1-18; line (race - 1) * 18 + (horse - 1).
inline constexpr int kSeRaces = 12;
inline constexpr int kSeHorses = 18;
inline constexpr std::size_t kSeSlots = 216;
inline constexpr std::size_t kSeLineLength = jv::se::kLayout.line_length();
std::optional<std::size_t> SeSlot(int race, int horse);

}  // namespace rv
