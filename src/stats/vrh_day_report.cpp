#include "stats/vrh_day_report.h"

#include "jvdata/keiba_func.h"
#include "model/payouts.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kRuleWidth = 61;

// Stopped, disqualified, remounted and demoted horses ran, and so were bet on; scratched and
// excluded ones (1-3) were not.
bool invested(int position, std::string_view ijo) {
  return position >= 1 || ijo == "4" || ijo == "5" || ijo == "6" || ijo == "7";
}

// The payout of `horse` among the entries of one bet type, 0 when not paid.
int paid(const HrRecord& hr, BetType type, int horse) {
  for (int k = 1; k <= kPayCount[bet_index(type)]; ++k) {
    const HrEntry e = ReadHrEntry(hr, type, k);
    if (e.horse[0] == horse && e.pay > 0) return e.pay;
  }
  return 0;
}

void rate_lines(const VrhTally& t, std::vector<std::string>& out) {
  out.push_back(fmt("[単勝] 的中率：%6.1f%%  回収率：%6.1f%%", t.win_hits * 100.0 / t.n,
                    static_cast<double>(t.win_sum) / t.n));
  out.push_back(fmt("[複勝] 的中率：%6.1f%%  回収率：%6.1f%%", t.place_hits * 100.0 / t.n,
                    static_cast<double>(t.place_sum) / t.n));
}

void block(const std::string& rule, const VrhTally& t, std::vector<std::string>& out) {
  if (t.n <= 0) return;
  out.push_back(rule + fmt("%2d頭", t.listed));
  rate_lines(t, out);
}

void add(VrhTally& t, bool bet, int win, int place) {
  ++t.listed;
  if (bet) ++t.n;
  if (win > 0) {
    ++t.win_hits;
    t.win_sum += win;
  }
  if (place > 0) {
    ++t.place_hits;
    t.place_sum += place;
  }
}

}  // namespace

int VrhPattern(int win_rank) {
  constexpr std::array<int, kVrhPatterns> kLast = {3, 5, 8, 11, 14, 18};
  if (win_rank < 2) return 0;
  for (int p = 0; p < kVrhPatterns; ++p) {
    if (win_rank <= kLast[static_cast<std::size_t>(p)]) return p + 1;
  }
  return 0;
}

char VrhPatternLetter(int pattern) {
  return static_cast<char>('A' + pattern - 1);
}

std::string VrhDayReport::log_line() const {
  return date + fmt("%7d%7d%7d%7d%7d%7d%7d%7d%7d%7d", all.n, all.win_hits, all.win_sum,
                    all.place_hits, all.place_sum, vrh.n, vrh.win_hits, vrh.win_sum, vrh.place_hits,
                    vrh.place_sum);
}

VrhDayReport BuildVrhDayReport(const Day& day, const VrhRanges& ranges, std::string_view heading) {
  namespace se = jv::se;
  VrhDayReport r;
  r.date = std::string(day.RaData[0].field(jv::head::Year)) +
           std::string(day.RaData[0].field(jv::head::MonthDay));
  const std::string rule(kRuleWidth, '-');
  r.lines.push_back(SJ("【") + std::string(heading) + SJ("】VRH"));
  r.lines.push_back(rule);
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    const RaRecord& rec = day.RaData[s];
    const RaceWork& w = day.Work[s];
    const HrRecord& hr = day.HrData[s];
    const int runners = std::min(day.runners(slot), kMaxHorses);
    if (runners <= 0) continue;
    const std::string tag =
        "[" + BashoName(rec.field(jv::head::JyoCD)) + FmtNum(rec.field(jv::head::RaceNum)) + "R]";
    for (int pos = 0; pos < runners; ++pos) {
      const SeRecord& h = day.SeData[s][static_cast<std::size_t>(pos)];
      const int number = pos + 1;
      const auto hn = static_cast<std::size_t>(number);
      const std::string_view jyuni = h.field(se::KakuteiJyuni);
      const std::string_view ijo = h.field(se::IJyoCD);
      const int position = inum(jyuni);
      const bool vrh = IsVrhHorse(ranges, w.WinNinki[hn], w.WinOdds[hn]);
      const bool bet = invested(position, ijo);
      const int win = paid(hr, BetType::kTansho, number);
      const int place = paid(hr, BetType::kFukusho, number);
      add(r.all, bet, win, place);
      if (vrh) {
        add(r.vrh, bet, win, place);
        if (const int p = VrhPattern(w.WinNinki[hn]); p > 0) {
          add(r.patterns[static_cast<std::size_t>(p - 1)], bet, win, place);
        }
      }
      const std::string result = position >= 1 ? FmtNum(jyuni) + SJ("着") : IjoName(ijo);
      const std::string win_text = win > 0 ? SJ("単") + fmt("%6d", win) : SJ("　") + "      ";
      const std::string place_text = place > 0 ? SJ("複") + fmt("%6d", place) : SJ("　") + "      ";
      r.lines.push_back(tag + (vrh ? SJ("○") : SJ("　")) + ZenNum(fmt("%02d", number)) + " " +
                        std::string(h.field(se::Bamei).substr(0, 18)) + result + " " + win_text +
                        " " + place_text);
    }
  }
  block(std::string(45, '-') + SJ("[全ＶＲＨ]"), r.all, r.lines);
  for (int p = 1; p <= kVrhPatterns; ++p) {
    block(std::string(44, '-') + SJ("[パターン") + VrhPatternLetter(p) + "]",
          r.patterns[static_cast<std::size_t>(p - 1)], r.lines);
  }
  block(std::string(45, '-') + SJ("[人気絞込]"), r.vrh, r.lines);
  r.lines.push_back(rule);
  return r;
}

void AppendVrhCsvLines(const Day& day, const VrhRanges& ranges, std::vector<std::string>& out) {
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    const RaRecord& rec = day.RaData[s];
    const RaceWork& w = day.Work[s];
    const int runners = std::min(day.runners(slot), kMaxHorses);
    if (runners <= 0) continue;
    const std::string code = std::string(rec.field(jv::head::JyoCD)) +
                             std::string(rec.field(jv::head::Year).substr(2, 2)) +
                             std::string(rec.field(jv::head::Kaiji).substr(1, 1)) +
                             MonthChar(rec.field(jv::head::Nichiji)) +
                             std::string(rec.field(jv::head::RaceNum));
    for (int pos = 0; pos < runners; ++pos) {
      const auto hn = static_cast<std::size_t>(pos + 1);
      const bool vrh = IsVrhHorse(ranges, w.WinNinki[hn], w.WinOdds[hn]);
      const int pattern = vrh ? VrhPattern(w.WinNinki[hn]) : 0;
      out.push_back(
          code + std::string(day.SeData[s][static_cast<std::size_t>(pos)].field(jv::se::Umaban)) +
          "," + std::to_string(pattern));
    }
  }
}

}  // namespace rv
