// A race for the bet tests, built straight into the day model: horses with win and place odds,
// popularity and mining ranks, odds and ranks of every combination from a simple rule, odds
// records present on request, and the race card shown so that StringGrid8 holds its runners.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "betting/bet_tables.h"
#include "betting/selection_set.h"
#include "jvfeed/records.h"
#include "model/day.h"
#include "model/race_card.h"
#include "support/text.h"

namespace rv::testing {

// Odds of combination k in tenths, and its popularity: distinct for every index.
inline int combo_tenths(int k) {
  return 30 + 7 * k;
}

class BetRace {
 public:
  static constexpr int kSlot = 0;

  explicit BetRace(int runners = 18, bool records = true) : day_(make_day()), runners_(runners) {
    day_->blank_records();
    key_ = jvfeed::key(20261206, 6, 11);
    day_->RaData[kSlot].assign(jvfeed::ra(key_, {.runners = runners}).str());
    for (int h = 1; h <= runners; ++h) {
      day_->SeData[kSlot][static_cast<std::size_t>(h - 1)].assign(
          jvfeed::se(key_, {.horse = h, .runners = runners}).str());
      horse(h, 2.0 + h, h, h);
    }
    fill_combinations();
    if (records) odds_records();
    day_->RaceAmount[kSlot] = "3000";
  }

  [[nodiscard]] Day& day() { return *day_; }
  [[nodiscard]] RaceWork& work() { return day_->Work[kSlot]; }
  [[nodiscard]] int runners() const { return runners_; }

  // Win odds and popularity, mining rank; place odds low = win / 3 (one decimal), ranked as
  // the win odds are.
  void horse(int h, double win, int rank, int dm_rank) {
    RaceWork& w = work();
    const auto i = static_cast<std::size_t>(h);
    w.WinOdds[i] = win;
    w.WinNinki[i] = rank;
    w.PlaceOddsLow[i] = win > 0 ? static_cast<double>(static_cast<int>(win * 10 / 3)) / 10 : win;
    w.PlaceOddsHigh[i] = w.PlaceOddsLow[i] + 1;
    w.PlaceNinki[i] = rank;
    w.DmRank[i - 1] = dm_rank;
  }

  // A withdrawn horse: dashes in every odds field, no rank.
  void withdraw(int h) {
    horse(h, -1.0, 0, work().DmRank[static_cast<std::size_t>(h - 1)]);
    for_each_combination([&](double* odds, int* ninki, const std::vector<int>& horses, int k) {
      for (const int x : horses) {
        if (x == h) {
          odds[k] = -1.0;
          ninki[k] = 0;
        }
      }
    });
  }

  // The odds records O1..O6 of the race are in the day (or not).
  void odds_records() {
    each_odds_records([this](auto& records, jvfeed::Kind kind) {
      records[kSlot].assign(jvfeed::odds(kind, key_, runners_).str());
    });
  }
  // The race's odds record of one kind taken out of the day again.
  void drop_record(jvfeed::Kind kind) {
    each_odds_records([kind](auto& records, jvfeed::Kind k) {
      if (k == kind) records[kSlot].blank();
    });
  }

  // The race card of the race: StringGrid8 with one row per runner.
  void show() { ShowRace(*day_, kSlot, card, on_screen); }
  [[nodiscard]] Grid& grid8() { return card.StringGrid8; }

  // Sets the marks of StringGrid8 by hand: the horses of each column.
  void mark(const std::vector<int>& axis, const std::vector<int>& himo1,
            const std::vector<int>& himo2, const std::vector<int>& erased = {}) {
    Grid& g = grid8();
    for (int r = 1; r < g.row_count(); ++r) {
      const int h = inum(g.cell(r, 1));
      const auto has = [h](const std::vector<int>& v) {
        for (const int x : v) {
          if (x == h) return true;
        }
        return false;
      };
      g.set(r, 8, has(axis) ? sj("◎") : "");
      g.set(r, 9, has(himo1) ? sj("▲") : "");
      g.set(r, 10, has(himo2) ? sj("△") : "");
      g.set(r, 11, has(erased) ? sj("消") : "");
    }
  }

  RaceCardControls card;
  RaceOnScreen on_screen;
  BetTables tables;

 private:
  // fn(records, kind) for each of the day's odds record arrays O1..O6.
  template <typename Fn>
  void each_odds_records(Fn fn) {
    fn(day_->O1Data, jvfeed::Kind::O1);
    fn(day_->O2Data, jvfeed::Kind::O2);
    fn(day_->O3Data, jvfeed::Kind::O3);
    fn(day_->O4Data, jvfeed::Kind::O4);
    fn(day_->O5Data, jvfeed::Kind::O5);
    fn(day_->O6Data, jvfeed::Kind::O6);
  }

  template <typename Fn>
  void for_each_combination(Fn fn) {
    RaceWork& w = work();
    const auto walk = [&](double* odds, int* ninki, jvfeed::Kind kind) {
      for (int k = 1; k <= jvfeed::entry_count(kind); ++k) {
        fn(odds, ninki, jvfeed::combination(kind, k), k);
      }
    };
    walk(w.UmarenOdds.data(), w.UmarenNinki.data(), jvfeed::Kind::O2);
    walk(w.WideOdds.data(), w.WideNinki.data(), jvfeed::Kind::O3);
    walk(w.UmatanOdds.data(), w.UmatanNinki.data(), jvfeed::Kind::O4);
    walk(w.SanrenpukuOdds.data(), w.SanrenpukuNinki.data(), jvfeed::Kind::O5);
    walk(w.SanrentanOdds.data(), w.SanrentanNinki.data(), jvfeed::Kind::O6);
  }

  void fill_combinations() {
    for_each_combination([&](double* odds, int* ninki, const std::vector<int>& horses, int k) {
      for (const int x : horses) {
        if (x > runners_) {
          odds[k] = -2.0;
          ninki[k] = 0;
          return;
        }
      }
      odds[k] = combo_tenths(k) / 10.0;
      ninki[k] = k;
    });
  }

  std::unique_ptr<Day> day_;
  int runners_;
  jvfeed::RaceKey key_;
};

// A set whose filters let every bet through and whose lists tick nothing.
inline SelectionSet OpenSet() {
  SelectionSet s;
  for (OddsRange& r : s.win_odds) r = {0, 1000};
  s.filters = {OddsRange{0, 1000},   OddsRange{0, 100000}, OddsRange{0, 10000},
               OddsRange{0, 100000}, OddsRange{0, 100000}, OddsRange{0, 1000000}};
  return s;
}

// The texts of a table's data rows in the given columns, one string per row, cells joined
// by "|" (UTF-8).
inline std::vector<std::string> Rows(const BetTable& t, std::initializer_list<int> cols) {
  std::vector<std::string> out;
  for (int r = 1; r <= t.data_rows(); ++r) {
    std::string line;
    bool first = true;
    for (const int c : cols) {
      if (!first) line += '|';
      first = false;
      line += to_utf8(t.cell(r, c));
    }
    out.push_back(line);
  }
  return out;
}

}  // namespace rv::testing
