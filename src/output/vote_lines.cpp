#include "output/vote_lines.h"

#include "jvdata/keiba_func.h"
#include "support/num_text.h"
#include "support/text.h"

namespace rv {
namespace {

// The numbers joined by "-", each as "%02d" when zero-padded, else as "%d".
std::string joined(const Kumi& kumi, bool zero_padded) {
  std::string out;
  for (int i = 0; i < kumi.count; ++i) {
    if (i > 0) out += '-';
    const int n = kumi.n[static_cast<std::size_t>(i)];
    if (zero_padded && n >= 0 && n < 10) out += '0';
    out += NumText::Int(n, 0).view();
  }
  return out;
}

// "馬連 3行目の買い目「 1-x5」が正しくありません。"
std::string problem_text(const BetTable& table, int row, const std::string& what,
                         std::string_view cell) {
  return table.name() + " " + std::string(NumText::Int(row, 0).view()) + SJ("行目の") + what +
         SJ("「") + std::string(cell) + SJ("」が正しくありません。");
}

}  // namespace

std::optional<VoteRace> VoteRace::FromRa(std::string_view ra) {
  const std::string_view key = jv::field(ra, jv::head::RaceKey);
  if (key.size() != jv::head::RaceKey.size() || !all_digits(key)) return std::nullopt;
  VoteRace r;
  r.year = jv::field(ra, jv::head::Year);
  r.month_day = jv::field(ra, jv::head::MonthDay);
  r.jyo = jv::field(ra, jv::head::JyoCD);
  r.kaiji = jv::field(ra, jv::head::Kaiji);
  r.nichiji = jv::field(ra, jv::head::Nichiji);
  r.race = jv::field(ra, jv::head::RaceNum);
  return r;
}

std::string VoteRace::file_stem() const {
  return year.substr(2, 2) + month_day;
}

std::string BetFileHeader(const VoteRace& race) {
  return BashoName(race.jyo) + " " + race.year.substr(2, 2) + SJ("年 ") +
         FmtNum(race.month_day.substr(0, 2)) + SJ("月 ") + FmtNum(race.month_day.substr(2, 2)) +
         SJ("日 ") + FmtNum(race.kaiji) + SJ("回 ") + FmtNum(race.nichiji) + SJ("日 ");
}

const char* PluginTypeCode(BetType t) {
  return bet_traits(t).vote_code;
}

bool IsBetRow(const BetTable& table, int row) {
  const BetRow& b = table.bet(row);
  return b.has_kumi && b.has_odds && b.has_amount;
}

int CountBetRows(const BetTable& table) {
  int n = 0;
  for (int row = 1; row <= table.data_rows(); ++row) n += IsBetRow(table, row) ? 1 : 0;
  return n;
}

bool IsVoteAmount(std::string_view cell) {
  const std::string_view yen = trim(cell);
  return all_digits(yen) && yen.size() <= 9 && num(yen) > 0;
}

std::string BetFileLine(const VoteRace& race, BetType t, const Kumi& kumi,
                        std::string_view kumi_cell, std::string_view amount_cell) {
  // Single horses keep the cell's own form (" 5"); combinations are written with zeros.
  const std::string kumi_text = kumi.count == 1 ? std::string(kumi_cell) : joined(kumi, true);
  return FmtNum(race.race) + SJ("R ") + BetTypeName(t) + " " + kumi_text + " " +
         std::string(amount_cell);
}

std::string PluginLine(const VoteRace& race, BetType t, const Kumi& kumi,
                       std::string_view amount_cell) {
  return race.year + race.month_day + "," + race.jyo + "," + race.race + "," + PluginTypeCode(t) +
         ",NORMAL," + std::string(trim(amount_cell)) + "," +
         joined(kumi, bet_traits(t).vote_zero_padded) + ",";
}

VoteLines BuildVoteLines(VoteFileKind kind, const VoteRace& race, const BetTable& table) {
  VoteLines out;
  const BetType t = table.type();
  const int amount_col = table.columns().amount;
  for (int row = 1; row <= table.data_rows(); ++row) {
    if (!IsBetRow(table, row) || table.erased(row)) continue;
    const BetRow& bet = table.bet(row);
    // The lines quote the cells as they stand: a single horse in its own form, the amount.
    const std::string_view kumi_cell = table.cell(row, BetColumns::kKumi);
    const std::string_view amount_cell = table.cell(row, amount_col);
    const std::optional<Kumi> kumi =
        bet.kumi.count > 0 ? std::optional<Kumi>(bet.kumi) : std::nullopt;
    if (!kumi) {
      out.problem = problem_text(table, row, SJ("買い目"), kumi_cell);
      return out;
    }
    if (!IsVoteAmount(amount_cell)) {
      out.problem = problem_text(table, row, SJ("購入額"), amount_cell);
      return out;
    }
    out.lines.push_back(kind == VoteFileKind::kBetFile
                            ? BetFileLine(race, t, *kumi, kumi_cell, amount_cell)
                            : PluginLine(race, t, *kumi, amount_cell));
  }
  return out;
}

}  // namespace rv
