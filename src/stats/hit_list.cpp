#include "stats/hit_list.h"

#include <array>

#include "betting/hit_evaluation.h"
#include "jvdata/code_tables.h"
#include "jvdata/keiba_format.h"
#include "jvdata/layouts.h"
#include "support/text.h"

namespace rv {
namespace {

struct HitRule {
  const char* label;  // after the race number
  int ana;            // 穴的中 lists payouts above this
  int red;            // payouts from this on show in red
  int shown;          // the payout labels of the type on the results page
  std::size_t width;  // the characters of a combination compared
};

// In BetType order.
constexpr std::array<HitRule, kBetTypeCount> kRules = {{
    {"R[単勝　]：　", 1000, 1000, 3, 5},
    {"R[複勝　]：　", 500, 500, 3, 5},
    {"R[枠連　]：　", 3000, 5000, 3, 5},
    {"R[馬連　]：　", 5000, 10000, 3, 5},
    {"R[ワイド]：　", 3000, 5000, 7, 5},
    {"R[馬単　]：　", 5000, 10000, 6, 5},
    {"R[３連複]:", 5000, 10000, 3, 8},
    {"R[３連単]:", 5000, 10000, 3, 8},
}};

}  // namespace

HitList StartHitList(std::vector<std::string> stored) {
  HitList list;
  list.html.push_back(SJ(
      R"(<br /><img src="./image/balist.gif"><font color="black">【ラベリン(推奨設定モード)】</font>)"));
  list.manbaken = std::move(stored);
  if (list.manbaken.empty()) list.manbaken.push_back(SJ("ラベリン"));
  return list;
}

void AddRaceHits(const Day& day, int slot, const BetTables& tables, bool ana, HitList& list) {
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  const std::string race_no = FmtNum(ra.field(jv::head::RaceNum));
  const std::string course = BashoName(ra.field(jv::head::JyoCD));
  const std::string race_name = SJ("　") + std::string(ra.field(jv::ra::Ryakusyo6));
  const std::string key =
      std::string(ra.field(jv::head::Year)) + std::string(ra.field(jv::head::MonthDay)) +
      std::string(ra.field(jv::head::JyoCD)) + std::string(ra.field(jv::head::RaceNum));
  for (const BetType type : kBetTypes) {
    const HitRule& rule = kRules[static_cast<std::size_t>(bet_index(type))];
    const PayoutEntries& paid = RacePayoutEntries(day, slot, type);
    const BetTable& table = tables[type];
    const std::string label = sj(rule.label) + (bet_traits(type).horses == 1 ? SJ("　 ") : "");
    for (int r = 1; r <= table.data_rows(); ++r) {
      // An erased bet was not bought: it hits nothing, as its result cells say.
      if (!table.live(r)) continue;
      const std::string_view kumi = table.cell(r, BetColumns::kKumi).substr(0, rule.width);
      for (int k = 0; k < rule.shown; ++k) {
        const PayoutEntry& e = paid[static_cast<std::size_t>(k)];
        if (e.kumi.empty() || e.kumi != kumi) continue;
        if (e.pay <= (ana ? rule.ana : 0)) continue;
        const bool red = e.pay >= rule.red;
        std::string hit = label;
        hit.append(kumi).append(fmt("/配当 %7d円", e.pay));
        std::string line = red ? SJ(R"(<img src="./image/lis1.gif"><font color="red">)")
                               : SJ(R"(<img src="./image/lis2.gif"><font color="blue">)");
        line.append(course).append(race_no).append(hit).append(race_name).append("</font>");
        list.html.push_back(std::move(line));
        list.manbaken.push_back(key + hit);
      }
    }
  }
}

}  // namespace rv
