#include "betting/bracket_preview.h"

#include <cmath>

#include "betting/hit_evaluation.h"
#include "jvdata/combo_labels.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kOddsRows = 18;
constexpr int kMarkCol = 3;
constexpr int kMinRunners = 9;
// The win popularities of Tan1Label, Tan2Label, Tan7Label, whose ranges are settings 2i and
// 2i + 1 (Toz1_n, Toz2_n); the 枠連 thresholds follow them.
constexpr std::array<int, 3> kTanRanks = {1, 2, 7};
enum Setting : std::uint8_t { kWozAve = 6, kWozKei13 = 7, kWozSa34 = 8 };

const std::string& mark() {
  static const std::string m = sj("●");
  return m;
}

// The horse of win popularity `rank`, the lowest number where ranks tie; 0 for none.
int horse_of_rank(const RaceWork& w, int rank) {
  for (int h = 1; h <= kMaxHorses; ++h) {
    if (w.WinNinki[static_cast<std::size_t>(h)] == rank) return h;
  }
  return 0;
}

void signal(Label& l, bool holds, Rgb normal) {
  l.set_color(holds ? preview_colors::kSignal : normal);
}

}  // namespace

PreviewControls::PreviewControls()
    : settings{{{"Toz1_1", "0.0", {}},
                {"Toz2_1", "0.0", {}},
                {"Toz1_2", "0.0", {}},
                {"Toz2_2", "0.0", {}},
                {"Toz1_7", "0.0", {}},
                {"Toz2_7", "0.0", {}},
                {"WozAve", "2000", {}},
                {"WozKei13", "150", {}},
                {"WozSa34", "20", {}}}},
      KaimeMakeBtn_Old(sj("抽出")),
      LossMemoBtn(sj("損失メモ")) {
  StringGrid2.reset(4, kOddsRows + 1);
  constexpr std::array<std::pair<const char*, int>, 4> kHeadings = {
      {{"人気", 36}, {"枠連", 48}, {"オッズ", 52}, {"区分", 36}}};
  for (int c = 0; c < 4; ++c) {
    StringGrid2.set(0, c, sj(kHeadings[static_cast<std::size_t>(c)].first));
    StringGrid2.set_col_width(c, kHeadings[static_cast<std::size_t>(c)].second);
  }
  for (Label* l :
       {&WakuAveLabel, &Tan2Label, &Tan7Label, &Rentai1_3Label, &RentaiSa3_4Label, &KenLabel}) {
    l->set_font_color(colors::kBlue);
  }
  WakuAveLabel.set_color(colors::kAqua);
  Tan2Label.set_color(preview_colors::kNormal);
  Tan7Label.set_color(preview_colors::kNormal);
  Rentai1_3Label.set_color(colors::kYellow);
  RentaiSa3_4Label.set_color(colors::kYellow);
  KenLabel.set_color(preview_colors::kKen);
  HensaLabel.set_visible(false);
}

std::string WakuNinkiCaption(int i) {
  return sj("枠連" + std::to_string(i + 1) + "位人気");
}

std::string TanNinkiCaption(int i) {
  return sj("単勝" + std::to_string(i + 3) + "位人気");
}

std::vector<std::pair<std::string, const Label*>> PreviewLabels(const PreviewControls& c,
                                                                const Label& Tan1Label) {
  std::vector<std::pair<std::string, const Label*>> out = {
      {"WakuAveLabel", &c.WakuAveLabel},
      {"Tan1Label", &Tan1Label},
      {"Tan2Label", &c.Tan2Label},
      {"Tan7Label", &c.Tan7Label},
      {"Rentai1_3Label", &c.Rentai1_3Label},
      {"RentaiSa3_4Label", &c.RentaiSa3_4Label},
      {"KenLabel", &c.KenLabel},
      {"HensaLabel", &c.HensaLabel},
      {"KaiPaternLabel", &c.KaiPaternLabel},
      {"kinto2tenLabel", &c.kinto2tenLabel}};
  for (int i = 0; i < 10; ++i)
    out.emplace_back(WakuNinkiCaption(i), &c.WakuNinkiLabels[static_cast<std::size_t>(i)]);
  for (int i = 0; i < 8; ++i)
    out.emplace_back(TanNinkiCaption(i), &c.TanNinkiLabels[static_cast<std::size_t>(i)]);
  return out;
}

BracketPreview::BracketPreview(Day& day, const RaceOnScreen& on_screen, PreviewControls& controls,
                               Label& Tan1Label, BetTables& tables, BetConstruction& kaime,
                               TIniGT& ini)
    : day_(day),
      on_screen_(on_screen),
      c_(controls),
      Tan1Label_(Tan1Label),
      tables_(tables),
      kaime_(kaime),
      ini_(ini) {
  Tan1Label_.set_font_color(colors::kBlue);
  Tan1Label_.set_color(preview_colors::kNormal);
  c_.StringGrid2.set_style_fn(
      [this](const Grid& /*g*/, int row, int col) { return StringGrid2DrawCell(row, col); });
}

void BracketPreview::LoadSettings() {
  for (SignalSetting& s : c_.settings) s.edit.set_text(ini_.ReadString("Kaime", s.key, s.def));
}

void BracketPreview::SettingChange(int i) {
  if (i < 0 || i >= static_cast<int>(c_.settings.size())) return;
  const SignalSetting& s = c_.settings[static_cast<std::size_t>(i)];
  ini_.WriteString("Kaime", s.key, s.edit.text());
  if (previewed(on_screen_.slot())) ShowSignals();
}

// A threshold as its edit reads; a text that is not a number reads as the default.
double BracketPreview::setting(int i) const {
  const SignalSetting& s = c_.settings[static_cast<std::size_t>(i)];
  return dnum(trim(s.edit.text()), dnum(s.def));
}

bool BracketPreview::previewed(int slot) const {
  if (slot < 0 || slot >= kMaxRaces) return false;
  const auto s = static_cast<std::size_t>(slot);
  return day_.runners(slot) >= kMinRunners &&
         inum(jv::field(day_.O1Data[s].view(), jv::head::RaceNum)) >= 1;
}

void BracketPreview::ClearPreview() {
  c_.StringGrid2.clear_body();
  for (Label* l :
       {&c_.WakuAveLabel, &c_.Tan2Label, &c_.Tan7Label, &c_.Rentai1_3Label, &c_.RentaiSa3_4Label,
        &c_.KenLabel, &c_.HensaLabel, &c_.KaiPaternLabel, &c_.kinto2tenLabel}) {
    l->set_text({});
  }
  for (Label& l : c_.WakuNinkiLabels) l.set_text({});
  for (Label& l : c_.TanNinkiLabels) l.set_text({});
  c_.WakuAveLabel.set_color(colors::kAqua);
  Tan1Label_.set_color(preview_colors::kNormal);
  c_.Tan2Label.set_color(preview_colors::kNormal);
  c_.Tan7Label.set_color(preview_colors::kNormal);
  c_.Rentai1_3Label.set_color(colors::kYellow);
  c_.RentaiSa3_4Label.set_color(colors::kYellow);
  box_ = {};
}

void BracketPreview::ShowRacePreview() {
  const int slot = on_screen_.slot();
  if (slot < 0 || slot >= kMaxRaces) return;
  ClearPreview();
  RaceWork& w = day_.Work[static_cast<std::size_t>(slot)];
  if (!previewed(slot)) {
    w.WakuRate.fill(0.0);
    w.WakuNinki.fill(0);
    KaimeMakeBtn_OldClick();
    return;
  }
  ComputeWakuRates(w);
  FillOddsTable(w);
  ShowPopularity(w);
  ShowSignals();
  if (c_.KenLabel.text().empty()) {
    for (int r = 1; r <= kOddsRows; ++r) {
      const int k = WakurenIndex(c_.StringGrid2.cell(r, 1));
      for (int i = 0; i < box_.count; ++i) {
        if (k >= 1 && box_.index[static_cast<std::size_t>(i)] == k)
          c_.StringGrid2.set(r, kMarkCol, mark());
      }
    }
  }
  KaimeMakeBtn_OldClick();
}

void BracketPreview::FillOddsTable(const RaceWork& w) {
  const WakurenOrder order = WakurenByPopularity(w);
  for (int r = 1; r <= order.count && r <= kOddsRows; ++r) {
    const auto k = static_cast<std::size_t>(order.index[static_cast<std::size_t>(r - 1)]);
    c_.StringGrid2.set(r, 0, fmt("%2d", w.WakurenNinki[k]));
    c_.StringGrid2.set(r, 1, WakurenLabel(static_cast<int>(k)));
    c_.StringGrid2.set(r, 2, fmt("%6.1f", w.WakurenOdds[k]));
  }
}

void BracketPreview::ShowPopularity(const RaceWork& w) {
  for (int i = 0; i < 10; ++i) {
    const int k = WakurenIndex(c_.StringGrid2.cell(i + 1, 1));
    if (k < 1) continue;
    c_.WakuNinkiLabels[static_cast<std::size_t>(i)].set_text(
        WakurenLabel(k) + fmt(" %6.1f", w.WakurenOdds[static_cast<std::size_t>(k)]));
  }
  for (int i = 0; i < 8; ++i) {
    const int h = horse_of_rank(w, i + 3);
    if (h < 1) continue;
    c_.TanNinkiLabels[static_cast<std::size_t>(i)].set_text(
        fmt("%2d %6.1f", h, w.WinOdds[static_cast<std::size_t>(h)]));
  }
  c_.HensaLabel.set_text(fmt("%6.2f", w.WinRateStdDev));
}

void BracketPreview::ShowSignals() {
  const RaceWork& w = day_.Work[static_cast<std::size_t>(on_screen_.slot())];

  // The win odds of the favourites against their ranges; a range whose upper bound is 0.0
  // is not set.
  const std::array<Label*, 3> tan = {&Tan1Label_, &c_.Tan2Label, &c_.Tan7Label};
  for (std::size_t i = 0; i < tan.size(); ++i) {
    const int h = horse_of_rank(w, kTanRanks[i]);
    const double odds = h >= 1 ? w.WinOdds[static_cast<std::size_t>(h)] : 0.0;
    tan[i]->set_text(h >= 1 ? fmt("%6.1f", odds) : std::string());
    const double lo = setting(static_cast<int>(2 * i));
    const double hi = setting(static_cast<int>(2 * i + 1));
    signal(*tan[i], hi != 0.0 && (h < 1 || odds < lo || odds > hi), preview_colors::kNormal);
  }

  // The mean payout of the rows of the odds table, in yen.
  std::int64_t yen = 0;
  int rows = 0;
  for (int r = 1; r <= kOddsRows; ++r) {
    const int k = WakurenIndex(c_.StringGrid2.cell(r, 1));
    if (k < 1) continue;
    yen += std::llround(w.WakurenOdds[static_cast<std::size_t>(k)] * 10) * 10;
    ++rows;
  }
  if (rows > 0) {
    const std::int64_t mean = yen / rows;
    c_.WakuAveLabel.set_text(fmt("%5lld", static_cast<long long>(mean)));
    signal(c_.WakuAveLabel, static_cast<double>(mean) <= setting(kWozAve), colors::kAqua);
  }

  const double top3 = RateOfRank(w, 1) + RateOfRank(w, 2) + RateOfRank(w, 3);
  c_.Rentai1_3Label.set_text(fmt("%5.1f", top3));
  signal(c_.Rentai1_3Label, top3 >= setting(kWozKei13), colors::kYellow);
  const double gap = RateOfRank(w, 3) - RateOfRank(w, 4);
  c_.RentaiSa3_4Label.set_text(fmt("%5.1f", gap));
  const bool gap_holds = gap >= setting(kWozSa34);
  signal(c_.RentaiSa3_4Label, gap_holds, colors::kYellow);

  // The recommended box, or the advice to skip the race.
  box_ = RecommendedBox(w, WakurenByPopularity(w));
  c_.KaiPaternLabel.set_text({});
  c_.kinto2tenLabel.set_text({});
  if (box_.skip()) {
    c_.KenLabel.set_text(sj("見送"));
    return;
  }
  c_.KenLabel.set_text({});
  const std::string dot = sj("・");
  std::string pattern;
  std::string two;
  for (int i = 0; i < box_.count; ++i) {
    const std::string& label = WakurenLabel(box_.index[static_cast<std::size_t>(i)]);
    pattern += (i > 0 ? dot : std::string()) + label;
    if (i < 2) two += (i > 0 ? dot : std::string()) + label;
  }
  c_.KaiPaternLabel.set_text(pattern);
  if (gap_holds) c_.kinto2tenLabel.set_text(two);
}

void BracketPreview::KaimeMakeBtn_OldClick() {
  BetTable& t = tables_[BetType::kWakuren];
  t.Clear();
  t.ClearTotals();
  const int slot = on_screen_.slot();
  if (!previewed(slot)) return;
  const RaceWork& w = day_.Work[static_cast<std::size_t>(slot)];

  std::array<int, kOddsRows> taken{};
  int n = 0;
  for (int r = 1; r <= kOddsRows; ++r) {
    const int k = WakurenIndex(c_.StringGrid2.cell(r, 1));
    if (k >= 1 && w.WakurenOdds[static_cast<std::size_t>(k)] > 0 &&
        c_.StringGrid2.cell(r, kMarkCol) == mark()) {
      taken[static_cast<std::size_t>(n++)] = k;
    }
  }
  t.set_data_rows(n);
  const BetColumns& cols = t.columns();
  for (int i = 1; i <= n; ++i) {
    const int k = taken[static_cast<std::size_t>(i - 1)];
    const auto ku = static_cast<std::size_t>(k);
    const std::optional<Kumi> kumi = ParseKumi(BetType::kWakuren, WakurenLabel(k));
    const int a = kumi ? kumi->n[0] : 0;
    const int b = kumi ? kumi->n[1] : 0;
    const int na = w.WakuNinki[static_cast<std::size_t>(a)];
    const int nb = w.WakuNinki[static_cast<std::size_t>(b)];
    const std::string odds = fmt("%7.1f", w.WakurenOdds[ku]);
    const std::string ninki = fmt("%2d", w.WakurenNinki[ku]);
    const std::string ren = na > 0 && nb > 0 ? fmt("%2d-%2d", na, nb) : std::string();
    t.put_bet(i, {.kumi_text = WakurenLabel(k),
                  .kumi = kumi.value_or(Kumi{}),
                  .combo = k,
                  .odds_text = odds,
                  .ninki_text = ninki,
                  .ninki = w.WakurenNinki[ku],
                  .ren_text = ren,
                  .ren = {na, nb, 0}});
    t.set_cell(i, cols.finish, fmt("%5.1f", w.WakuRate[static_cast<std::size_t>(a)]));
    t.set_cell(i, cols.finish + 1, fmt("%5.1f", w.WakuRate[static_cast<std::size_t>(b)]));
  }
  kaime_.BetTableRecompute(t);
}

void BracketPreview::StringGrid2MouseDown(int row, int col) {
  if (!StringGrid2HandCursor(row, col) || row >= c_.StringGrid2.row_count()) return;
  c_.StringGrid2.set(
      row, kMarkCol,
      c_.StringGrid2.cell(row, kMarkCol) == mark() ? std::string_view() : std::string_view(mark()));
}

CellStyle BracketPreview::StringGrid2DrawCell(int row, int col) const {
  CellStyle s;
  s.bold = true;
  s.align = Align::kCenter;
  if (row == 0) {
    s.background = colors::kSilver;
    return s;
  }
  switch (col) {
    case 0:
      s.background = colors::kAqua;
      break;
    case 1: {
      s.background = colors::kWhite;
      const int slot = on_screen_.slot();
      if (slot < 0 || slot >= kMaxRaces) break;
      const std::string_view text = c_.StringGrid2.cell(row, 1);
      for (const PayoutEntry& e : RacePayoutEntries(day_, slot, BetType::kWakuren)) {
        if (!text.empty() && e.kumi == text) s.background = colors::kRed;
      }
      break;
    }
    case 2:
      s.background = colors::kWhite;
      break;
    default:
      s.background = preview_colors::kMarkColumn;
  }
  return s;
}

}  // namespace rv
