#include "model/race_card.h"

#include <cstdio>

#include "jvdata/keiba_func.h"
#include "model/card_sort.h"
#include "support/num_text.h"
#include "support/text.h"

namespace rv {
namespace {

const char* const kStringGrid6Headings[] = {
    "枠",       "馬",     "馬名/騎手/斤量/性齢", "調教師",  "ﾌﾞﾘﾝｶ",
    "見習",     "着順",   "人気/確ｵｯｽﾞ",         "走破ﾀｲﾑ", "3Fﾀｲﾑ",
    "ｺｰﾅｰ順位", "馬体重", "本賞金/付加賞金",     "異常区分"};
const int kStringGrid6Widths[] = {26, 30, 190, 72, 44, 48, 58, 92, 66, 62, 90, 60, 112, 66};

const char* const kStringGrid26Headings[] = {
    "枠",       "馬", "馬名",   "性齢",   "騎手",   "斤量", "単オッズ", "順", "複ｵｯｽﾞ低", "順",
    "複ｵｯｽﾞ高", "順", "ﾏｲﾆﾝｸﾞ", "誤差＋", "誤差－", "順",   "着",       "人", "確ｵｯｽﾞ"};
const int kStringGrid26Widths[] = {26, 28, 150, 46, 76, 42, 62, 26, 66, 26,
                                   66, 26, 62,  54, 54, 26, 26, 26, 56};

const char* const kStringGrid8Headings[] = {"枠", "馬", "単ｵｯｽﾞ", "順",    "複ｵｯｽﾞ", "順", "ﾏｲﾆﾝｸﾞ",
                                            "順", "軸", "ヒモ1",  "ヒモ2", "消",     "着", "人"};
const int kStringGrid8Widths[] = {26, 28, 56, 26, 56, 26, 60, 26, 34, 40, 40, 30, 26, 26};

const char* const kStringGrid4Headings[] = {"枠",     "馬",     "馬名",   "軸候補", "軸",
                                            "紐候補", "紐ﾜｲﾄﾞ", "紐馬単", "紐３複", "紐３単",
                                            "単ｵｯｽﾞ", "順",     "着",     "人"};
const int kStringGrid4Widths[] = {26, 28, 150, 52, 30, 52, 56, 56, 56, 56, 56, 26, 26, 26};

template <std::size_t N>
void init_grid(Grid& g, const char* const (&headings)[N], const int (&widths)[N]) {
  g.reset(static_cast<int>(N), 2);
  for (std::size_t c = 0; c < N; ++c) {
    g.set(0, static_cast<int>(c), sj(headings[c]));
    g.set_col_width(static_cast<int>(c), widths[c]);
  }
}

// A cell from a printf format, without a heap string per cell.
// Odds and ranks as the entry card prints them: blanks when there is nothing to show.
void set_odds(Grid& g, int row, int col, double odds) {
  if (odds > 0) {
    g.set(row, col, NumText::Fixed(odds, 5, 1));
  } else {
    g.set(row, col, "     ");
  }
}

void set_rank(Grid& g, int row, int col, int rank) {
  if (rank >= 1) {
    g.set(row, col, NumText::Int(rank, 2));
  } else {
    g.set(row, col, SJ("　"));
  }
}

// A mining time of 5 digits "mssht" shown as m.ss.ht; empty when there is none.
void set_mining_time(Grid& g, int row, int col, int t) {
  if (t <= 0 || t > 99999) {
    g.set(row, col, {});
    return;
  }
  const NumText digits = NumText::Int(100000 + t, 0);
  const std::string_view d = digits.view().substr(1);  // "%05d"
  const char text[] = {d[0], '.', d[1], d[2], '.', d[3], d[4]};
  g.set(row, col, std::string_view(text, sizeof text));
}

// A mining error band of 4 digits shown with its sign as "+s.hh".
void set_mining_error(Grid& g, int row, int col, char sign, int v) {
  if (v <= 0 || v > 9999) {
    g.set(row, col, "      ");
    return;
  }
  const NumText digits = NumText::Int(10000 + v, 0);
  const std::string_view d = digits.view().substr(1);  // "%04d"
  const char text[] = {sign, d[1], '.', d[2], d[3]};
  g.set(row, col, std::string_view(text, sizeof text));
}

// The stored two digits of a final position or popularity when it reads at least 1.
void set_stored_rank(Grid& g, int row, int col, std::string_view field) {
  if (inum(field) >= 1) {
    g.set(row, col, field);
  } else {
    g.set(row, col, SJ("　"));
  }
}

void set_final_odds(Grid& g, int row, int col, std::string_view field) {
  if (is_blank(field) || field == "0000") {
    g.set(row, col, "     ");
  } else {
    g.set(row, col, NumText::Fixed(static_cast<double>(inum(field)) / 10.0, 5, 1));
  }
}

// The columns the entry card shares with its odds strip, at their places in each grid.
struct HorseColumns {
  int win_odds, win_rank, place_low, place_rank, mining_time, mining_rank, finish, popularity;
};
constexpr HorseColumns kEntryColumns{6, 7, 8, 9, 12, 15, 16, 17};
constexpr HorseColumns kStripColumns{2, 3, 4, 5, 6, 7, 12, 13};

// Row r of either grid: bracket and horse number in columns 0 and 1, then the shared columns.
void set_horse_row(Grid& g, int r, const HorseColumns& c, const RaceWork& w, const SeRecord& se) {
  const auto j = static_cast<std::size_t>(r - 1);
  const auto h = static_cast<std::size_t>(r);
  g.set(r, 0, NumText::Int(inum(se.field(jv::se::Wakuban)), 2));
  g.set(r, 1, NumText::Int(inum(se.field(jv::se::Umaban)), 2));
  set_odds(g, r, c.win_odds, w.WinOdds[h]);
  set_rank(g, r, c.win_rank, w.WinNinki[h]);
  set_odds(g, r, c.place_low, w.PlaceOddsLow[h]);
  set_rank(g, r, c.place_rank, w.PlaceNinki[h]);
  set_mining_time(g, r, c.mining_time, w.DmTime[j]);
  set_rank(g, r, c.mining_rank, w.DmRank[j]);
  set_stored_rank(g, r, c.finish, se.field(jv::se::KakuteiJyuni));
  set_stored_rank(g, r, c.popularity, se.field(jv::se::Ninki));
}

}  // namespace

RaceCardControls::RaceCardControls() {
  init_grid(StringGrid6, kStringGrid6Headings, kStringGrid6Widths);
  init_grid(StringGrid26, kStringGrid26Headings, kStringGrid26Widths);
  init_grid(StringGrid8, kStringGrid8Headings, kStringGrid8Widths);
  init_grid(StringGrid4, kStringGrid4Headings, kStringGrid4Widths);
  SortButtons.set_item_index(static_cast<int>(CardSort::kUmaban));
  R1.set_text(sj("追跡馬に登録(&R)"));
  HorseInfoItem.set_text(sj("馬情報:"));
  JockeyInfoItem.set_text(sj("騎手情報:"));
  TrainerInfoItem.set_text(sj("調教師情報:"));
}

int CardRunners(const Day& day, int slot) {
  const int n = day.runners(slot);
  return n < 0 ? 0 : (n > kMaxHorses ? kMaxHorses : n);
}

bool RaceHasHorses(const Day& day, int slot) {
  if (slot < 0 || slot >= kMaxRaces) return false;
  return inum(day.SeData[static_cast<std::size_t>(slot)][0].field(jv::se::Umaban)) > 0;
}

std::string NoHorseDataMessage(const Day& day, int slot) {
  int race = 0;
  if (slot >= 0 && slot < kMaxRaces)
    race = inum(day.RaData[static_cast<std::size_t>(slot)].field(jv::head::RaceNum));
  return std::to_string(race) + SJ("レースはデータが不十分です。");
}

void ShowRaceHeader(const Day& day, int slot, RaceCardControls& card) {
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  const auto f = [&ra](const jv::Field& field) { return ra.field(field); };
  std::string t;
  t.reserve(160);

  t.append(f(jv::ra::Year))
      .append(SJ("年"))
      .append(f(jv::ra::Month))
      .append(SJ("月"))
      .append(f(jv::ra::Day));
  t.append(SJ("日("))
      .append(YoubiName(f(jv::ra::YoubiCD)))
      .append(")")
      .append(BashoName(f(jv::ra::JyoCD)));
  t.append(f(jv::ra::Kaiji))
      .append(SJ("回"))
      .append(f(jv::ra::Nichiji))
      .append(SJ("日"))
      .append(f(jv::ra::RaceNum));
  t.append("R   ")
      .append(f(jv::ra::HassoHour))
      .append(".")
      .append(f(jv::ra::HassoMinute))
      .append(SJ("発走"))
      .append("  ");
  t.append(TenkoName(f(jv::ra::TenkoCD)))
      .append(SJ("　"))
      .append(BabaName(f(jv::ra::SibaBabaCD), Going::kTurf));
  t.append(SJ("　")).append(BabaName(f(jv::ra::DirtBabaCD), Going::kDirt));
  card.Label1.set_text(t);

  t.clear();
  if (const int edition = inum(f(jv::ra::Nkai)); edition != 0) {
    t.append(SJ("第")).append(std::to_string(edition)).append(SJ("回")).append(" ");
  }
  t.append(f(jv::ra::Hondai));
  card.Label2.set_text(t);

  char num[32];
  t.clear();
  std::snprintf(num, sizeof num, "%2d", inum(f(jv::ra::TorokuTosu)));
  t.append(num).append(SJ("頭[入線:")).append(FmtNum(f(jv::ra::NyusenTosu))).append(SJ("頭] "));
  std::snprintf(num, sizeof num, "%4d", inum(f(jv::ra::Kyori)));
  t.append(num)
      .append(SJ("ﾒｰﾄﾙ"))
      .append(" ")
      .append(TrackName(f(jv::ra::TrackCD), TrackForm::kLong));
  t.append("(")
      .append(trim(f(jv::ra::CourseKubunCD)))
      .append(") ")
      .append(GradeName(f(jv::ra::GradeCD)))
      .append(" ");
  t.append(ShubetuName(f(jv::ra::SyubetuCD), KindWidth::kLong))
      .append(" ")
      .append(KigoName(f(jv::ra::KigoCD)));
  card.Label3.set_text(t);

  t.clear();
  t.append(JuryoName(f(jv::ra::JyuryoCD)))
      .append(" ")
      .append(JokenLabel(f(jv::ra::SyubetuCD), f(jv::ra::JyokenCDYoungest)));
  card.Label4.set_text(t);

  t.clear();
  // "1着:…/2着:…" over the first n places of a prize array.
  const auto prizes = [&f, &t](const jv::Field& prize, int n) {
    for (int k = 0; k < n; ++k) {
      if (k > 0) t += '/';
      t.append(std::to_string(k + 1)).append(SJ("着:")).append(FmtNum(f(prize.at(k))));
    }
  };
  t.append(SJ("【本 賞 金】"));
  prizes(jv::ra::Honsyokin, 5);
  card.Label6.set_text(t);

  t.clear();
  t.append(SJ("【付加賞金】"));
  prizes(jv::ra::Fukasyokin, 3);
  t.append(SJ("　　　　　　　　(単位：百円)"));
  card.Label7.set_text(t);

  card.BashoLabel.set_text(BashoName(f(jv::ra::JyoCD)));
  card.RaceLabel.set_text(trim(FmtNum(f(jv::ra::RaceNum))));
  const int track = inum(f(jv::ra::TrackCD));
  card.Panel3.set_color(track >= 10 && track <= 22 ? colors::kGreen : colors::kMaroon);

  const O1Record& o1 = day.O1Data[static_cast<std::size_t>(slot)];
  t.clear();
  t.append(o1.field(jv::odds::HappyoHour)).append(":").append(o1.field(jv::odds::HappyoMinute));
  card.TFWtimeLabel.set_text(t);
}

void FillResultsCard(Day& day, int slot, RaceCardControls& card) {
  const RaceWork& w = day.Work[static_cast<std::size_t>(slot)];
  const auto& horses = day.SeData[static_cast<std::size_t>(slot)];
  Grid& g = card.StringGrid6;
  // Entries of a race with fewer favourites must not keep another race's odds.
  day.WinOddsByNinki.fill(0.0);
  bool favourite = false;
  const int n = CardRunners(day, slot);
  for (int r = 1; r <= n; ++r) {
    const SeRecord& se = horses[static_cast<std::size_t>(r - 1)];
    g.set(r, 0, se.field(jv::se::Wakuban));
    if (const int horse = inum(se.field(jv::se::Umaban)); horse > 0) {
      g.set(r, 1, NumText::Int(horse, 2));
    } else {
      g.set(r, 1, {});
    }
    g.set(r, 2, se.field(jv::se::Bamei));
    g.set(r, 3, se.field(jv::se::ChokyosiRyakusyo));
    g.set(r, 4, BlinkerMark(se.field(jv::se::Blinker)));
    g.set(r, 5, MinaraiName(se.field(jv::se::MinaraiCD)));
    g.set(r, 6, FmtNum(se.field(jv::se::KakuteiJyuni)));
    g.set(r, 7, FmtNum(se.field(jv::se::Ninki)));
    g.set(r, 8, FmtTime2(se.field(jv::se::Time)));
    g.set(r, 9, FmtTenth(se.field(jv::se::HaronTimeL3)));

    const int k = w.WinNinki[static_cast<std::size_t>(r)];
    const double odds = w.WinOdds[static_cast<std::size_t>(r)];
    if (k == 1) {
      char buf[32];
      std::snprintf(buf, sizeof buf, "%6.1f", odds);
      card.Tan1Label.set_text(buf);
      favourite = true;
    }
    if (k >= 1 && k <= 10) day.WinOddsByNinki[static_cast<std::size_t>(k)] = odds;
  }
  // Without a ranked favourite the label would go on showing another race's odds.
  if (!favourite) card.Tan1Label.set_text({});
}

void FillEntryCard(const Day& day, int slot, RaceCardControls& card) {
  if (slot < 0 || slot >= kMaxRaces) return;
  const RaceWork& w = day.Work[static_cast<std::size_t>(slot)];
  const auto& horses = day.SeData[static_cast<std::size_t>(slot)];
  Grid& g = card.StringGrid26;
  Grid& g8 = card.StringGrid8;
  const int rows = g.row_count();
  for (int r = 1; r < rows && r <= kMaxHorses; ++r) {
    const auto j = static_cast<std::size_t>(r - 1);
    const auto h = static_cast<std::size_t>(r);
    const SeRecord& se = horses[j];
    set_horse_row(g, r, kEntryColumns, w, se);
    g.set(r, 2, se.field(jv::se::Bamei));
    std::string sex_age = SeibetuName(se.field(jv::se::SexCD));
    sex_age += FmtNum(se.field(jv::se::Barei));
    g.set(r, 3, sex_age);
    g.set(r, 4, se.field(jv::se::KisyuRyakusyo));
    const std::string_view kg = se.field(jv::se::FutanKg);
    const char burden[] = {kg[0], kg[1], '.', se.field(jv::se::FutanTenth)[0]};
    g.set(r, 5, std::string_view(burden, sizeof burden));
    set_odds(g, r, 10, w.PlaceOddsHigh[h]);
    set_rank(g, r, 11, w.PlaceNinkiHigh[h]);
    set_mining_error(g, r, 13, '+', w.DmGosaPlus[j]);
    set_mining_error(g, r, 14, '-', w.DmGosaMinus[j]);
    set_final_odds(g, r, 18, se.field(jv::se::Odds));

    if (r < g8.row_count()) set_horse_row(g8, r, kStripColumns, w, se);
  }
}

void ShowRace(Day& day, int slot, RaceCardControls& card, RaceOnScreen& on_screen) {
  if (slot < 0 || slot >= kMaxRaces) return;
  const int rows = CardRunners(day, slot) + 1;
  for (Grid* g : {&card.StringGrid6, &card.StringGrid26, &card.StringGrid8, &card.StringGrid4}) {
    g->set_row_count(rows);
    g->clear_body();
  }
  card.StringGrid26Sort.reset();
  ClearResultsTab(card.results);

  on_screen.set(slot);
  ShowRaceHeader(day, slot, card);
  FillResultsCard(day, slot, card);
  card.JikuLabel.set_text({});
  card.HimoLabel.set_text({});
  FillResultsTab(day, slot, card.results);

  FillEntryCard(day, slot, card);
  SortEntryCard(card);
  for (Grid* g : {&card.StringGrid6, &card.StringGrid26, &card.StringGrid8, &card.StringGrid4}) {
    g->set_visible(true);
  }
}

}  // namespace rv
