// The results tab "結果": the payouts of the race on screen, one group per bet type, each with
// three rows of value labels (result, popularity, payout) under its caption.
#pragma once

#include <array>

#include "model/bet_type.h"
#include "model/day.h"
#include "support/controls.h"

namespace rv {

struct ResultGroup {
  Label Caption;               // "単勝" ... "三連単" ("ﾜｲﾄﾞ" for wide)
  Label KekkaCaption;          // "結果："
  Label NinkiCaption;          // "人気："
  Label HaitoCaption;          // "配当："
  int columns = 0;             // 3, 5, 3, 3, 7, 6, 3, 6
  std::array<Label, 7> Kekka;  // horse number or combination
  std::array<Label, 7> Ninki;  // popularity "%2d"
  std::array<Label, 7> Haito;  // payout "%8d"
};

struct ResultsTab {
  ResultsTab();

  std::array<ResultGroup, kBetTypeCount> groups;

  ResultGroup& group(BetType t) { return groups[static_cast<std::size_t>(t)]; }
  [[nodiscard]] const ResultGroup& group(BetType t) const {
    return groups[static_cast<std::size_t>(t)];
  }
  // The value labels of the exacta, trio and trifecta groups by the window's names (k from 1).
  Label& UTLabel(int k) { return group(BetType::kUmatan).Kekka.at(k - 1); }
  Label& UTNLabel(int k) { return group(BetType::kUmatan).Ninki.at(k - 1); }
  Label& UTHLabel(int k) { return group(BetType::kUmatan).Haito.at(k - 1); }
  Label& SFLabel(int k) { return group(BetType::kSanrenpuku).Kekka.at(k - 1); }
  Label& SFNLabel(int k) { return group(BetType::kSanrenpuku).Ninki.at(k - 1); }
  Label& SFHLabel(int k) { return group(BetType::kSanrenpuku).Haito.at(k - 1); }
  Label& STlabel(int k) { return group(BetType::kSanrentan).Kekka.at(k - 1); }
  Label& STNlabel(int k) { return group(BetType::kSanrentan).Ninki.at(k - 1); }
  Label& STHlabel(int k) { return group(BetType::kSanrentan).Haito.at(k - 1); }
};

// Empties every value label.
void ClearResultsTab(ResultsTab& tab);

// Fills the value labels from the slot's payout display table: per entry the horse number
// (win, place) or the combination, its popularity and payout. An entry without a horse, or
// with a blank or all-zero combination, leaves its column empty.
void FillResultsTab(const Day& day, int slot, ResultsTab& tab);

}  // namespace rv
