#include "model/race_card_style.h"

#include <array>
#include <cstdio>

#include "jvdata/keiba_func.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr Rgb kOrange = 0xFF8000;
constexpr Rgb kLightYellow = 0xFFFF80;
constexpr Rgb kLightPink = 0xFFB5FF;
constexpr Rgb kLightCyan = 0xA2FFFF;
constexpr int kCardFontSize = 10;
constexpr int kNoteFontSize = 8;

using Anchor = CellRun::Anchor;

CellRun run(std::string text, int line, Anchor anchor = Anchor::kLeft, int x = 2,
            Rgb color = colors::kBlack) {
  CellRun r;
  r.text = std::move(text);
  r.line = line;
  r.anchor = anchor;
  r.x = x;
  r.color = color;
  return r;
}

CellRun centred(std::string text, Rgb color = colors::kBlack) {
  return run(std::move(text), -1, Anchor::kCenter, 0, color);
}

// A two-digit field shown through a format when it is neither blank nor zero, else one blank.
std::string numbered(const char* format, std::string_view field, int& value) {
  value = inum(field);
  if (is_blank(field) || value == 0) return " ";
  char buf[32];
  std::snprintf(buf, sizeof buf, format, value);
  return sj(buf);
}

// Horse weight and its change since the last race: "486kg" over "(+4)"; nothing before it
// is announced, and no change line for a first start or a weight that could not be taken.
void horse_weight(const SeRecord& se, CellStyle& s) {
  const std::string_view weight = se.field(jv::se::BaTaijyu);
  const int kg = inum(weight);
  if (!all_digits(weight) || kg <= 0 || kg >= 999) return;
  char buf[32];
  std::snprintf(buf, sizeof buf, "%3dkg", kg);
  s.runs.push_back(run(buf, 0, Anchor::kCenter));
  const std::string_view diff = se.field(jv::se::ZogenSa);
  if (!all_digits(trim(diff)) || inum(diff) >= 999) return;
  const int change = inum(diff);
  const char sign = se.field(jv::se::ZogenFugo)[0];
  if (change == 0) {
    s.runs.push_back(run(sj("(±0)"), 1, Anchor::kCenter));
  } else {
    std::snprintf(buf, sizeof buf, "(%c%d)", sign == '-' ? '-' : '+', change);
    s.runs.push_back(run(buf, 1, Anchor::kCenter));
  }
}

std::string thousand_yen(std::string_view field) {
  std::string t = FmtTenthN(field);
  if (!is_blank(t)) t += SJ("千円");
  return t;
}

CellStyle results_body(const Day& day, int slot, int row, int col) {
  CellStyle s;
  s.two_lines = true;
  s.background = col == 2 || col == 1 ? colors::kInfoBk : colors::kWhite;
  if (slot < 0 || slot >= kMaxRaces || row > CardRunners(day, slot)) return s;
  const auto pos = static_cast<std::size_t>(row - 1);
  const SeRecord& se = day.SeData[static_cast<std::size_t>(slot)][pos];
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  char buf[48];
  int v = 0;
  switch (col) {
    case 0: {
      const int bracket = inum(se.field(jv::se::Wakuban));
      const BracketColors c = BracketColorsOf(bracket);
      s.background = c.background;
      s.bold = true;
      s.size = kCardFontSize;
      std::snprintf(buf, sizeof buf, "%1d", bracket);
      s.runs.push_back(centred(buf, c.text));
      break;
    }
    case 1: {
      if (day.Work[static_cast<std::size_t>(slot)].ChaseMark[pos] == 1) {
        s.background = colors::kRed;
      }
      s.bold = true;
      s.size = kCardFontSize;
      const int horse = inum(se.field(jv::se::Umaban));
      std::snprintf(buf, sizeof buf, "%2d", horse);
      s.runs.push_back(centred(horse > 0 ? buf : " "));
      break;
    }
    case 2: {
      CellRun name = run(DelZenSpace(se.field(jv::se::Bamei)), 0);
      name.bold = true;
      name.size = kCardFontSize;
      s.runs.push_back(std::move(name));
      CellRun style =
          run(KyakusituName(se.field(jv::se::KyakusituKubun)), 0, Anchor::kFromRight, 20);
      style.size = kNoteFontSize;
      s.runs.push_back(std::move(style));
      std::string rider(se.field(jv::se::KisyuRyakusyo));
      rider += ' ';
      rider += FmtTenth(se.field(jv::se::Futan));
      rider += "kg";
      s.runs.push_back(run(std::move(rider), 1));
      std::string sex_age = SeibetuName(se.field(jv::se::SexCD));
      sex_age += FmtNum(se.field(jv::se::Barei));
      s.runs.push_back(run(std::move(sex_age), 1, Anchor::kFromRight, 50));
      break;
    }
    case 3:
      s.runs.push_back(centred(DelZenSpace(se.field(jv::se::ChokyosiRyakusyo))));
      break;
    case 4:
      s.runs.push_back(centred(MaruMark(se.field(jv::se::Blinker))));
      break;
    case 5:
      s.runs.push_back(centred(MinaraiName(se.field(jv::se::MinaraiCD))));
      break;
    case 6: {
      std::string arrival = numbered("入:%2d", se.field(jv::se::NyusenJyuni), v);
      s.runs.push_back(run(std::move(arrival), 0, Anchor::kLeft, 2, RankColor(v)));
      std::string final_pos = numbered("確:%2d", se.field(jv::se::KakuteiJyuni), v);
      s.runs.push_back(run(std::move(final_pos), 1, Anchor::kLeft, 2, RankColor(v)));
      break;
    }
    case 7: {
      std::string ninki = numbered("人気:%4d", se.field(jv::se::Ninki), v);
      s.runs.push_back(run(std::move(ninki), 0, Anchor::kLeft, 2, RankColor(v)));
      const std::string_view odds = se.field(jv::se::Odds);
      if (is_blank(odds) || odds == "0000") {
        s.runs.push_back(run(" ", 1));
      } else {
        std::snprintf(buf, sizeof buf, "ｵｯｽﾞ:%5.1f", static_cast<double>(inum(odds)) / 10.0);
        s.runs.push_back(run(sj(buf), 1));
      }
      break;
    }
    case 8: {
      std::string time = FmtTime2(se.field(jv::se::Time));
      const bool ran = !is_blank(time);
      s.runs.push_back(run(std::move(time), 0));
      if (ran) s.runs.push_back(run(FmtTime(se.field(jv::se::TimeDiff)), 1));
      break;
    }
    case 9: {
      const std::string_view f3 = se.field(jv::se::HaronTimeL3);
      if (is_blank(f3) || f3 == "999" || f3 == "000") {
        s.runs.push_back(run(" ", 1));
      } else {
        std::string t = inum(ra.field(jv::ra::TrackCD)) < 51 ? SJ("後= ") : SJ("1F= ");
        t.append(f3.substr(0, 2)).append(".").append(f3.substr(2, 1));
        s.runs.push_back(run(std::move(t), 1));
      }
      break;
    }
    case 10:
      for (int k = 0; k < 4; ++k) {
        const std::string_view c = se.field(jv::se::kCornerJyuni[k]);
        const int x = 2 + 18 * k;
        if (is_blank(c) || c == "00") {
          s.runs.push_back(run("  ", -1, Anchor::kLeft, x));
        } else {
          std::snprintf(buf, sizeof buf, "%2d", inum(c));
          s.runs.push_back(run(buf, -1, Anchor::kLeft, x, RankColor(inum(c))));
        }
        if (k < 3) s.runs.push_back(run("-", -1, Anchor::kLeft, x + 13));
      }
      break;
    case 11:
      horse_weight(se, s);
      break;
    case 12:
      s.runs.push_back(run(thousand_yen(se.field(jv::se::Honsyokin)), 0, Anchor::kCenter));
      s.runs.push_back(run(thousand_yen(se.field(jv::se::Fukasyokin)), 1, Anchor::kCenter));
      break;
    case 13:
      s.runs.push_back(centred(IjoName(se.field(jv::se::IJyoCD))));
      break;
    default:
      break;
  }
  return s;
}

}  // namespace

BracketColors BracketColorsOf(int bracket) {
  // Brackets 1 to 8; any other number shows as bracket 1.
  static constexpr std::array<BracketColors, 8> kBrackets = {{{colors::kWhite, colors::kBlack},
                                                              {colors::kGray, colors::kWhite},
                                                              {colors::kRed, colors::kWhite},
                                                              {colors::kBlue, colors::kWhite},
                                                              {colors::kYellow, colors::kBlack},
                                                              {colors::kLime, colors::kWhite},
                                                              {kOrange, colors::kWhite},
                                                              {colors::kFuchsia, colors::kWhite}}};
  return kBrackets[static_cast<std::size_t>(bracket >= 1 && bracket <= 8 ? bracket - 1 : 0)];
}

Rgb RankColor(int rank) {
  if (rank == 1) return colors::kRed;
  if (rank == 2 || rank == 3) return colors::kBlue;
  return colors::kBlack;
}

CellStyle StringGrid6DrawCell(const Day& day, int slot, bool races_listed, int row, int col) {
  CellStyle s;
  if (row == 0) {
    s.background = colors::kBtnFace;
    s.align = Align::kCenter;
    return s;
  }
  if (!races_listed) return s;
  return results_body(day, slot, row, col);
}

CellStyle StringGrid26DrawCell(const Grid& grid, int row, int col,
                               const std::vector<std::string>& watched_jockeys) {
  CellStyle s;
  s.align = col == 2 ? Align::kLeft : Align::kCenter;
  if (row == 0) {
    s.background = colors::kSilver;
    return s;
  }
  s.background = colors::kWhite;
  s.text = colors::kBlack;
  const std::string_view text = grid.cell(row, col);
  switch (col) {
    case 0: {
      const BracketColors c = BracketColorsOf(inum(text));
      s.background = c.background;
      s.text = c.text;
      return s;
    }
    case 1:
      s.background = colors::kInfoBk;
      return s;
    case 4: {
      s.background = colors::kInfoBk;
      const std::string name(trim(DelZenSpace(text)));
      if (name.empty()) return s;
      for (const std::string& j : watched_jockeys) {
        if (trim(DelZenSpace(j)) == name) {
          s.background = colors::kAqua;
          break;
        }
      }
      return s;
    }
    default:
      break;
  }
  if (col >= 6 && col <= 11) s.background = kLightYellow;
  if (col >= 12 && col <= 15) s.background = kLightPink;
  if (col >= 16 && col <= 18) s.background = kLightCyan;
  if (col == 7 || col == 9 || col == 11 || col == 15 || col == 16 || col == 17) {
    s.bold = true;
    s.text = RankColor(inum(text));
  }
  return s;
}

CellStyle StringGrid8DrawCell(const Grid& grid, int row, int col) {
  CellStyle s;
  s.align = Align::kCenter;
  s.bold = col != 2 && col != 4 && col != 6;
  if (row == 0) {
    s.background = colors::kAqua;
    s.bold = true;
    return s;
  }
  s.background = colors::kWhite;
  s.text = colors::kBlack;
  const std::string_view text = grid.cell(row, col);
  switch (col) {
    case 0:
      s.background = BracketColorsOf(inum(text)).background;
      break;
    case 1:
      s.background = colors::kCream;
      break;
    case 3:
    case 5:
    case 7:
    case 12:
    case 13: {
      const int v = inum(text);
      if (v == 1) s.text = colors::kRed;
      if (v == 2) s.text = colors::kBlue;
      if (v == 3) s.text = colors::kGreen;
      break;
    }
    default:
      break;
  }
  return s;
}

void BindRaceCardStyles(RaceCardControls& card, const Day& day, const RaceOnScreen& on_screen,
                        const ListControl& DatList, const std::vector<std::string>& KishuCKList) {
  card.StringGrid6.set_style_fn([&day, &on_screen, &DatList](const Grid&, int row, int col) {
    return StringGrid6DrawCell(day, on_screen.slot(), DatList.count() > 0, row, col);
  });
  card.StringGrid26.set_style_fn([&KishuCKList](const Grid& g, int row, int col) {
    return StringGrid26DrawCell(g, row, col, KishuCKList);
  });
  card.StringGrid8.set_style_fn(
      [](const Grid& g, int row, int col) { return StringGrid8DrawCell(g, row, col); });
}

}  // namespace rv
