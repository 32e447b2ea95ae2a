#include "betting/bet_marks.h"

#include <algorithm>

#include "model/race_card.h"
#include "support/text.h"

namespace rv {
namespace {

using Marks = std::array<std::uint8_t, kMaxHorses>;

// The mark of a mark column (kJiku .. kErase); nullptr for any other column.
const std::string* column_mark(int col) {
  static const std::array<std::string, 4> kMarks = {sj("◎"), sj("▲"), sj("△"), sj("消")};
  if (col < MarkColumns::kJiku || col > MarkColumns::kErase) return nullptr;
  return &kMarks[static_cast<std::size_t>(col - MarkColumns::kJiku)];
}

// One way of choosing among the runners by mining rank: the check list of ranks, the win
// odds range, the exclusion box and the choice among the candidates.
struct MiningRule {
  RankList list;
  WinOddsRule odds;
  int which;  // 0 axis, 1 ヒモ1, 2 ヒモ2
};

void mark_by_mining(const RaceWork& w, int runners, const SelectionSet& set, const MiningRule& rule,
                    Marks& marks) {
  // Candidates ordered as the keys "%2d" popularity + "%2d" horse number sort as text.
  struct Candidate {
    int ninki;
    int horse;
  };
  std::array<Candidate, kMaxHorses> found{};
  std::size_t count = 0;
  const bool exclude = set.exclude[static_cast<std::size_t>(rule.which)];
  for (int i = 0; i < runners; ++i) {
    const int horse = i + 1;
    const int c = w.WinNinki[static_cast<std::size_t>(horse)];
    const int d = w.DmRank[static_cast<std::size_t>(i)];
    if (c < 1 || d < 1) continue;
    if (!set.ticked(rule.list, d)) continue;
    if (!set.odds(rule.odds).contains(w.WinOdds[static_cast<std::size_t>(horse)])) continue;
    if (exclude && c < d) continue;
    found[count++] = {c, horse};
  }
  if (count == 0) return;
  std::sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count),
            [](const Candidate& a, const Candidate& b) {
              return a.ninki != b.ninki ? a.ninki < b.ninki : a.horse < b.horse;
            });
  const auto mark = [&marks](const Candidate& c) {
    marks[static_cast<std::size_t>(c.horse - 1)] = 1;
  };
  switch (set.nin[static_cast<std::size_t>(rule.which)]) {
    case NinChoice::kLeastPopular:
      mark(found[count - 1]);
      break;
    case NinChoice::kMostPopular:
      mark(found[0]);
      break;
    default:
      std::for_each(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count), mark);
      break;
  }
}

// Every ranked horse whose popularity is ticked in the list and whose win odds are in range.
void mark_by_ninki(const RaceWork& w, int runners, const SelectionSet& set, RankList list,
                   WinOddsRule odds, Marks& marks) {
  for (int i = 0; i < runners; ++i) {
    const std::size_t h = static_cast<std::size_t>(i) + 1;
    const int c = w.WinNinki[h];
    if (c >= 1 && set.ticked(list, c) && set.odds(odds).contains(w.WinOdds[h])) {
      marks[static_cast<std::size_t>(i)] = 1;
    }
  }
}

bool has_text(const Grid& g, int row, int col) {
  return !g.cell(row, col).empty();
}

}  // namespace

void ApplySelectionSet(Day& day, int slot, const SelectionSet& set, Grid& StringGrid8) {
  if (slot < 0 || slot >= kMaxRaces) return;
  RaceWork& w = day.Work[static_cast<std::size_t>(slot)];
  const int runners = CardRunners(day, slot);
  w.AxisMark.fill(0);
  w.Himo1Mark.fill(0);
  w.Himo2Mark.fill(0);

  mark_by_mining(w, runners, set, {RankList::kJiku, WinOddsRule::kJiku, 0}, w.AxisMark);
  mark_by_mining(w, runners, set, {RankList::kHimoM1, WinOddsRule::kHimo1Mining, 1}, w.Himo1Mark);
  mark_by_mining(w, runners, set, {RankList::kHimoM2, WinOddsRule::kHimo2Mining, 2}, w.Himo2Mark);
  mark_by_ninki(w, runners, set, RankList::kHimoN1, WinOddsRule::kHimo1Ninki, w.Himo1Mark);
  mark_by_ninki(w, runners, set, RankList::kHimoN2, WinOddsRule::kHimo2Ninki, w.Himo2Mark);

  // The rows may stand in any order after a heading sort: each finds its horse by number.
  for (int r = 1; r < StringGrid8.row_count(); ++r) {
    const int h = inum(StringGrid8.cell(r, MarkColumns::kHorse));
    const bool horse = h >= 1 && h <= kMaxHorses;
    const auto j = static_cast<std::size_t>(horse ? h - 1 : 0);
    StringGrid8.set(r, MarkColumns::kJiku, horse && w.AxisMark[j] ? SJ("◎") : std::string());
    StringGrid8.set(r, MarkColumns::kHimo1, horse && w.Himo1Mark[j] ? SJ("▲") : std::string());
    StringGrid8.set(r, MarkColumns::kHimo2, horse && w.Himo2Mark[j] ? SJ("△") : std::string());
  }
}

RunnerMarks ReadRunnerMarks(const Grid& g) {
  RunnerMarks m;
  for (int r = 1; r < g.row_count(); ++r) {
    const int h = inum(g.cell(r, MarkColumns::kHorse));
    if (h < 1 || h > kMaxHorses || g.cell(r, MarkColumns::kErase) == SJ("消")) continue;
    const auto i = static_cast<std::size_t>(h);
    m.usable[i] = true;
    m.axis[i] = has_text(g, r, MarkColumns::kJiku);
    m.himo1[i] = has_text(g, r, MarkColumns::kHimo1);
    m.himo2[i] = has_text(g, r, MarkColumns::kHimo2);
  }
  return m;
}

void StringGrid8Press(Grid& g, SortDirections& directions, int row, int col) {
  if (row >= 1 && row < g.row_count()) {
    const std::string* mark = column_mark(col);
    if (mark != nullptr) g.set(row, col, g.cell(row, col).empty() ? *mark : std::string());
    return;
  }
  if (row == 0 && (col == 1 || col == 3 || col == 5 || col == 7 || col == 12 || col == 13)) {
    SortBtn(g, col, directions.flip(col));
  }
}

bool StringGrid8HandCursor(int row, int col) {
  if (row == 0) return col == 1 || col == 3 || col == 5 || col == 7 || col == 12 || col == 13;
  return col >= MarkColumns::kJiku && col <= MarkColumns::kHimo2;
}

}  // namespace rv
