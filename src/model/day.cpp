#include "model/day.h"

#include "support/text.h"

namespace rv {
namespace {

template <typename Array>
void zero(Array& a) {
  a.fill({});
}

}  // namespace

void RaceWork::reset_odds() {
  reset_odds_besides_combinations();
  zero(WakurenOdds);
  zero(UmarenOdds);
  zero(WideOdds);
  zero(UmatanOdds);
  zero(SanrenpukuOdds);
  zero(SanrentanOdds);
  zero(WakurenNinki);
  zero(UmarenNinki);
  zero(WideNinki);
  zero(UmatanNinki);
  zero(SanrenpukuNinki);
  zero(SanrentanNinki);
}

void RaceWork::reset_odds_besides_combinations() {
  zero(WinOdds);
  zero(PlaceOddsLow);
  zero(PlaceOddsHigh);
  zero(WinNinki);
  zero(PlaceNinki);
  zero(PlaceNinkiHigh);
  zero(WinRate);
  zero(WinRateScore);
  WinRateStdDev = 0.0;
  zero(WakuNinki);
  zero(WakuRate);
  zero(AxisMark);
  zero(Himo1Mark);
  zero(Himo2Mark);
  OddsTime.clear();
}

void RaceWork::reset() {
  reset_besides_odds();
  reset_odds();
}

void RaceWork::reset_besides_odds() {
  OzTime.clear();
  OzTime2.clear();
  RaceClass.clear();
  DeliverTime.clear();
  zero(ChaseMark);
  zero(DmTime);
  zero(DmGosaPlus);
  zero(DmGosaMinus);
  zero(DmRank);
  zero(ResultJyuni);
  zero(ResultNinki);
  zero(ResultOdds);
  zero(PayUmaban);
  for (auto& k : PayKumi) k.clear();
  zero(PayNinki);
  zero(PayAmount);
  HrLoaded = 0;
  NewPayouts = false;
}

void Day::blank_records() {
  HorsesFilled.set();
  blank_records_for_load();
  blank_odds_records();
}

void Day::blank_odds_records() {
  for (auto& r : O1Data) r.blank();
  for (auto& r : O2Data) r.blank();
  for (auto& r : O3Data) r.blank();
  for (auto& r : O4Data) r.blank();
  for (auto& r : O5Data) r.blank();
  for (auto& r : O6Data) r.blank();
  for (auto& taken : OddsTaken) taken.reset();
}

void Day::blank_records_for_load() {
  for (auto& r : RaData) r.blank();
  for (auto& race : SeData) {
    for (auto& r : race) r.blank();
  }
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    if (!HorsesFilled[s]) continue;
    for (auto& r : UmData[s]) r.blank();
  }
  HorsesFilled.reset();
  for (auto& r : HrData) r.blank();
  for (auto& r : DmData) r.blank();
}

bool Day::slot_in_use(int slot) const {
  if (slot < 0 || slot >= kMaxRaces) return false;
  const std::string_view year = RaData[static_cast<std::size_t>(slot)].field(jv::head::Year);
  return !is_blank(year) && year != "0000";
}

int Day::slots_in_use() const {
  int n = 0;
  while (n < kMaxRaces && slot_in_use(n)) ++n;
  return n;
}

int Day::runners(int slot) const {
  if (slot < 0 || slot >= kMaxRaces) return 0;
  return inum(RaData[static_cast<std::size_t>(slot)].field(jv::ra::TorokuTosu));
}

std::unique_ptr<Day> make_day() {
  // Value-initialisation zeroes every record: before the first load the arrays read as zeros.
  return std::make_unique<Day>();
}

}  // namespace rv
