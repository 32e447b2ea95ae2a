#include "stats/return_totals.h"

#include "support/text.h"

namespace rv {
namespace {

// A totals label as a number; a text that is not one counts 0.
std::int64_t label_number(const BetTable& t, BetTotal k) {
  return num(t.total(k).text());
}

double percent(std::int64_t part, std::int64_t whole) {
  return static_cast<double>(part) / static_cast<double>(whole) * 100;
}

}  // namespace

void HitTotals::AddRace(std::int64_t points, std::int64_t invested, std::int64_t returned) {
  if (points <= 0) return;
  ++races;
  if (invested > 0) toshi += invested;
  if (returned > 0) {
    kaishu += returned;
    ++hits;
  }
}

HitTotals& HitTotals::operator+=(const HitTotals& o) {
  races += o.races;
  hits += o.hits;
  toshi += o.toshi;
  kaishu += o.kaishu;
  return *this;
}

std::string TotalsText(const HitTotals& t) {
  std::string s = fmt("%2dR中　%2dR的中　　投資額：%7lld円　回収額：%7lld円", t.races, t.hits,
                      static_cast<long long>(t.toshi), static_cast<long long>(t.kaishu));
  s += t.races > 0 ? fmt("　的中率：%6.1f", percent(t.hits, t.races)) : SJ("　的中率：   ---");
  s += t.toshi > 0 ? fmt("　回収率：%6.1f", percent(t.kaishu, t.toshi)) : SJ("　回収率：   ---");
  return s;
}

void AddRaceTotals(const BetTables& tables, TypeTotals& totals) {
  for (const BetType type : kBetTypes) {
    const BetTable& t = tables[type];
    totals[static_cast<std::size_t>(bet_index(type))].AddRace(label_number(t, BetTotal::kTensu),
                                                              label_number(t, BetTotal::kToshi),
                                                              label_number(t, BetTotal::kKaishu));
  }
}

std::vector<std::string> ReturnTotalsLines(std::string_view caption,
                                           const std::array<std::string, 3>& venues,
                                           const TypeTotals& totals) {
  static const char* const kNames[] = {"単勝　", "複勝　", "枠連　", "馬連　",
                                       "ワイド", "馬単　", "３連複", "３連単"};
  std::string header = " DI-DAVI ";
  header.append(caption).append(" ");
  for (const std::string& v : venues) header.append(" ").append(v);
  std::vector<std::string> lines{header};
  for (std::size_t i = 0; i < totals.size(); ++i) {
    if (totals[i].races == 0) continue;
    lines.push_back(sj(kNames[i]) + SJ("：") + TotalsText(totals[i]));
  }
  return lines;
}

}  // namespace rv
