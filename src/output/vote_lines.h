// The lines of the two voting files: the .BET file that voting software reads and the order
// file of the voting plug-in. Pure functions: the RA record of the race and one bet table
// in, Shift-JIS lines out. Nothing here looks at settings, files or a person.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "betting/bet_table.h"

namespace rv {

// The race a voting file is for: the race key of its RA record as it is stored.
struct VoteRace {
  std::string year;       // "2009"
  std::string month_day;  // "0510"
  std::string jyo;        // venue code "05"
  std::string kaiji;      // meeting number "02"
  std::string nichiji;    // day of the meeting "06"
  std::string race;       // race number "11"

  // nullopt unless the 16 bytes are digits: they name the files and fill the order lines.
  static std::optional<VoteRace> FromRa(std::string_view ra);
  // "090510": one file per day, whatever race or bet type it holds.
  [[nodiscard]] std::string file_stem() const;
};

// "東京 09年  5月 10日  2回  6日 ": the first line of a .BET file.
std::string BetFileHeader(const VoteRace& race);

// The plug-in's name of a bet type: "TAN", "FUKU", "WAKU", "UMAFUKU", "WIDE", "UMATAN",
// "SANFUKU", "SANTAN".
const char* PluginTypeCode(BetType t);

// A row that holds a bet: combination, odds and amount all filled. The erase mark is not
// looked at, so a table of erased bets still counts as made.
bool IsBetRow(const BetTable& table, int row);
int CountBetRows(const BetTable& table);

// Kumi and ParseKumi (betting/bet_table.h) read a combination cell.
// An amount cell as allocation writes it: a whole number of yen above 0, blanks around it.
bool IsVoteAmount(std::string_view cell);

// "11R 馬連 01-05    300": race number, type, combination, the amount cell as it stands.
std::string BetFileLine(const VoteRace& race, BetType t, const Kumi& kumi,
                        std::string_view kumi_cell, std::string_view amount_cell);
// "20090510,05,11,UMAFUKU,NORMAL,300,01-05,".
std::string PluginLine(const VoteRace& race, BetType t, const Kumi& kumi,
                       std::string_view amount_cell);

enum class VoteFileKind : std::uint8_t { kBetFile, kPlugin };

// The bet lines of every bet row not erased, in row order (no header). When a row's
// combination or amount cannot be read, `problem` says which (Shift-JIS) and `lines` is
// incomplete: nothing of such a table may be written.
struct VoteLines {
  std::vector<std::string> lines;
  std::string problem;
};
VoteLines BuildVoteLines(VoteFileKind kind, const VoteRace& race, const BetTable& table);

}  // namespace rv
