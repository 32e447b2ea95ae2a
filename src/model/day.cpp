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
  zero(WinOdds);
  zero(PlaceOddsLow);
  zero(PlaceOddsHigh);
  zero(WakurenOdds);
  zero(UmarenOdds);
  zero(WideOdds);
  zero(UmatanOdds);
  zero(SanrenpukuOdds);
  zero(SanrentanOdds);
  zero(WinNinki);
  zero(PlaceNinki);
  zero(PlaceNinkiHigh);
  zero(WakurenNinki);
  zero(UmarenNinki);
  zero(WideNinki);
  zero(UmatanNinki);
  zero(SanrenpukuNinki);
  zero(SanrentanNinki);
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
  OzTime.clear();
  OzTime2.clear();
  RaceClass.clear();
  DeliverTime.clear();
  zero(ChaseMark);
  reset_odds();
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
  for (auto& r : RaData) r.blank();
  for (auto& race : SeData) {
    for (auto& r : race) r.blank();
  }
  for (auto& race : UmData) {
    for (auto& r : race) r.blank();
  }
  for (auto& r : HrData) r.blank();
  for (auto& r : O1Data) r.blank();
  for (auto& r : O2Data) r.blank();
  for (auto& r : O3Data) r.blank();
  for (auto& r : O4Data) r.blank();
  for (auto& r : O5Data) r.blank();
  for (auto& r : O6Data) r.blank();
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
