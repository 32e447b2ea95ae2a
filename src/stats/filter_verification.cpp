#include "stats/filter_verification.h"

#include "jvdata/code_tables.h"
#include "jvdata/keiba_format.h"
#include "stats/csv_fields.h"
#include "support/text.h"

namespace rv {
namespace {

// The indexes of PreviewControls::settings.
enum Setting : std::uint8_t { kWozAve = 6, kWozKei13 = 7, kWozSa34 = 8 };

constexpr const char* kRangeLabels[] = {"単勝オッズ1位範囲", "単勝オッズ2位範囲",
                                        "単勝オッズ7位範囲"};
constexpr const char* kAveLabel = "当ﾚｰｽの枠連平均配当";

const char* own_label(FilterSet set) {
  return set == FilterSet::kSum13 ? "枠連対率合計1位～3位" : "枠連対率差3位－4位";
}
// The report's form of a label: padded to its colon.
std::string report_label(const char* label) {
  std::string s = sj(label);
  if (s.size() < 20) s.append(20 - s.size(), ' ');
  return s + ":";
}

void add_quoted(std::string& line, std::string_view field) {
  AddCsvField(line, field, line.empty());
}
std::string quoted_line(std::initializer_list<std::string_view> fields) {
  std::string line;
  for (const std::string_view f : fields) add_quoted(line, f);
  return line;
}

// The setting lines of both reports, and the CSV's when `csv` is given.
void setting_lines(FilterSet set, const VerifySettings& s, std::vector<std::string>& report,
                   std::vector<std::string>* csv) {
  report.push_back(SJ("[設定値]"));
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string& lo = s.range[2 * i];
    const std::string& hi = s.range[2 * i + 1];
    report.push_back(report_label(kRangeLabels[i]).append(lo).append(SJ("～")).append(hi));
    if (csv != nullptr) csv->push_back(quoted_line({sj(kRangeLabels[i]), lo, SJ("～"), hi}));
  }
  const std::string ave = fmt("%4d以下", s.WozAve);
  const std::string own = fmt("%4d以上", s.own);
  report.push_back(report_label(kAveLabel) + ave);
  report.push_back(report_label(own_label(set)) + own);
  if (csv != nullptr) {
    csv->push_back(quoted_line({sj(kAveLabel), ave}));
    csv->push_back(quoted_line({sj(own_label(set)), own}));
  }
}

// The jockey of the bracket ranked `rank` by the preview: the rider of its horse with the
// best win popularity; none when no horse of the bracket has a rank better than 18.
std::string bracket_jockey(const Day& day, int slot, int rank) {
  const auto s = static_cast<std::size_t>(slot);
  const RaceWork& w = day.Work[s];
  int bracket = 0;
  for (int b = 1; b <= 8; ++b) {
    if (w.WakuNinki[static_cast<std::size_t>(b)] == rank) bracket = b;
  }
  if (bracket == 0) return {};
  int best = 18;
  std::string_view jockey;
  for (int pos = 0; pos < kMaxHorses; ++pos) {
    const SeRecord& se = day.SeData[s][static_cast<std::size_t>(pos)];
    if (inum(se.field(jv::se::Wakuban)) != bracket) continue;
    const int n = w.WinNinki[static_cast<std::size_t>(pos) + 1];
    if (n >= 1 && n < best) {
      best = n;
      jockey = se.field(jv::se::KisyuRyakusyo);
    }
  }
  return std::string(jockey);
}

bool cream(const Label& l) {
  return l.color() == preview_colors::kNormal;
}
bool red(const Label& l) {
  return l.color() == preview_colors::kSignal;
}

}  // namespace

VerifySettings ReadVerifySettings(const PreviewControls& p, std::string method, FilterSet set) {
  VerifySettings s;
  s.method = std::move(method);
  for (std::size_t i = 0; i < s.range.size(); ++i) s.range[i] = p.settings[i].edit.text();
  const auto number = [&p](std::size_t i) {
    const SignalSetting& st = p.settings[i];
    return static_cast<int>(dnum(trim(st.edit.text()), dnum(st.def)));
  };
  s.WozAve = number(kWozAve);
  s.own = number(set == FilterSet::kSum13 ? kWozKei13 : kWozSa34);
  return s;
}

std::vector<std::string> VerifyDayHeader(FilterSet set, const VerifySettings& s,
                                         std::string_view caption) {
  std::vector<std::string> lines{"=======",
                                 SJ(" 枠連　") + s.method + SJ("：") + std::string(caption)};
  setting_lines(set, s, lines, nullptr);
  return lines;
}

void VerifyAllDaysHeader(FilterSet set, const VerifySettings& s, std::vector<std::string>& report,
                         std::vector<std::string>& csv) {
  report.emplace_back("=======");
  report.push_back(SJ(" 枠連　") + s.method);
  csv.push_back(quoted_line({SJ("枠連"), s.method}));
  setting_lines(set, s, report, &csv);
  report.emplace_back("-------");
  std::string names;
  for (const char* n : {"対象R",
                        "開催日",
                        "場所",
                        "レース",
                        "頭数",
                        "枠連平均配当",
                        "枠連連対率計1～3位",
                        "枠連対率差3-4位",
                        "買い目1ｵｯｽﾞ",
                        "買い目2ｵｯｽﾞ",
                        "買い目3ｵｯｽﾞ",
                        "ｵｯｽﾞ差買い目1-2",
                        "単勝1人気オッズ",
                        "単勝2人気オッズ",
                        "単勝7人気オッズ",
                        "買い点数",
                        "予想回収率",
                        "投資金額",
                        "回収金額",
                        "枠1位騎手",
                        "枠2位騎手",
                        "枠3位騎手",
                        "標準偏差"}) {
    add_quoted(names, sj(n));
  }
  csv.push_back(names);
}

DayVerification::DayVerification(FilterSet set, std::string_view caption,
                                 std::vector<std::string> header)
    : set_(set), caption_(caption), lines_(std::move(header)) {}

void DayVerification::AddRace(const Day& day, int slot, const PreviewControls& p,
                              const Label& Tan1Label, const BetTable& wakuren) {
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  const std::string course = BashoShortName(ra.field(jv::head::JyoCD));
  if (first_ || course != course_) lines_.emplace_back("------");
  first_ = false;
  course_ = course;

  const Label& own = set_ == FilterSet::kSum13 ? p.Rentai1_3Label : p.RentaiSa3_4Label;
  const bool matches = cream(Tan1Label) && cream(p.Tan2Label) && cream(p.Tan7Label) &&
                       red(p.WakuAveLabel) && red(own);
  const bool target = matches && p.KenLabel.text().empty();
  const std::string& points = wakuren.total(BetTotal::kTensu).text();
  const std::string& invested = wakuren.total(BetTotal::kToshi).text();
  const std::int64_t returned = num(wakuren.total(BetTotal::kKaishu).text());
  if (target && num(points) <= 0) return;

  const std::string race = FmtNum(ra.field(jv::head::RaceNum)) + "R";
  const std::string runners = FmtNum(ra.field(jv::ra::TorokuTosu)) + SJ("頭");
  std::string line = (target ? SJ("対象:") : SJ("見送:")) + course + race + ":" + runners +
                     (set_ == FilterSet::kSum13 ? SJ(":計1-3 ") : SJ(":差3-4  ")) + own.text() +
                     SJ(":平均配当") + p.WakuAveLabel.text() + ":";
  const std::string back = fmt("%8lld", static_cast<long long>(returned));
  if (target) {
    totals_.AddRace(num(points), num(invested), returned);
    line += points + SJ("点:投票") + invested + SJ("円:回収") + back + SJ("円");
  }
  lines_.push_back(line);

  std::array<std::string, 3> odds;
  for (int r = 1; r <= 3 && r <= wakuren.data_rows(); ++r) {
    odds[static_cast<std::size_t>(r - 1)] = wakuren.cell(r, BetColumns::kOdds);
  }
  const std::string gap =
      is_blank(odds[1]) ? std::string() : fmt("%6.1f", dnum(odds[1]) - dnum(odds[0]));
  std::string csv;
  for (const std::string_view f :
       {std::string_view(target ? SJ("対象:") : SJ("見送:")), std::string_view(caption_),
        std::string_view(course), std::string_view(race), std::string_view(runners),
        std::string_view(p.WakuAveLabel.text()), std::string_view(p.Rentai1_3Label.text()),
        std::string_view(p.RentaiSa3_4Label.text()), std::string_view(odds[0]),
        std::string_view(odds[1]), std::string_view(odds[2]), std::string_view(gap),
        std::string_view(Tan1Label.text()), std::string_view(p.Tan2Label.text()),
        std::string_view(p.Tan7Label.text()), target ? std::string_view(points) : "",
        std::string_view(wakuren.total(BetTotal::kYosoKaishu).text()),
        target ? std::string_view(invested) : "", target ? std::string_view(back) : ""}) {
    add_quoted(csv, f);
  }
  for (int rank = 1; rank <= 3; ++rank) add_quoted(csv, bracket_jockey(day, slot, rank));
  add_quoted(csv, p.HensaLabel.text());
  csv_.push_back(csv);
}

std::vector<std::string> DayVerification::Report() const {
  std::vector<std::string> lines = lines_;
  lines.emplace_back("=======");
  if (totals_.races > 0) lines.push_back(TotalsText(totals_));
  return lines;
}

std::string DayVerification::Summary() const {
  return totals_.races > 0 ? caption_ + TotalsText(totals_) : std::string();
}

}  // namespace rv
