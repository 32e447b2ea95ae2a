#include "model/payouts.h"

#include "model/day_paths.h"
#include "model/day_records.h"
#include "support/text.h"

namespace rv {
namespace {

// Each bet type's entries in an HR record.
struct PayLayout {
  jv::Field combo;
  int numbers;  // in the combination, each of an equal share of its width
  jv::Field pay;
  jv::Field ninki;
};

constexpr PayLayout kPayLayout[kBetTypeCount] = {
    // in bet-type order
    {jv::hr::TansyoUmaban, 1, jv::hr::TansyoPay, jv::hr::TansyoNinki},
    {jv::hr::FukusyoUmaban, 1, jv::hr::FukusyoPay, jv::hr::FukusyoNinki},
    {jv::hr::WakurenKumi, 2, jv::hr::WakurenPay, jv::hr::WakurenNinki},
    {jv::hr::UmarenKumi, 2, jv::hr::UmarenPay, jv::hr::UmarenNinki},
    {jv::hr::WideKumi, 2, jv::hr::WidePay, jv::hr::WideNinki},
    {jv::hr::UmatanKumi, 2, jv::hr::UmatanPay, jv::hr::UmatanNinki},
    {jv::hr::SanrenpukuKumi, 3, jv::hr::SanrenpukuPay, jv::hr::SanrenpukuNinki},
    {jv::hr::SanrentanKumi, 3, jv::hr::SanrentanPay, jv::hr::SanrentanNinki},
};

std::string combo_label(const HrEntry& e) {
  std::string label = fmt("%2d", e.horse[0]);
  for (int i = 1; i < e.horses; ++i) label += fmt("-%2d", e.horse[i]);
  return label;
}

bool all_above_zero(const HrEntry& e) {
  for (int i = 0; i < e.horses; ++i) {
    if (e.horse[i] <= 0) return false;
  }
  return true;
}

bool any_above_zero(const HrEntry& e) {
  for (int i = 0; i < e.horses; ++i) {
    if (e.horse[i] > 0) return true;
  }
  return false;
}

// Re-reads the race records from the start, a record with a blank year not taking a slot,
// and each race's runners. Answers the slots filled.
int reread_races(Day& day, const DayFiles& files, std::string_view date) {
  RecordScanner scan(files.RaFile, RaRecord::kSize);
  int s = 0;
  char head[kRecordHead];
  while (s < kMaxRaces && scan.next(head, sizeof head)) {
    RaRecord& ra = day.RaData[static_cast<std::size_t>(s)];
    scan.take(ra.bytes.data());
    if (!is_blank(ra.field(jv::head::Year))) ++s;
  }
  for (int r = 0; r < s; ++r) ReadRunnerRecords(day, date, r, RunnerSlots(day, r));
  return s;
}

void fill_results(Day& day) {
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    RaceWork& w = day.Work[s];
    for (std::size_t j = 0; j < kMaxHorses; ++j) {
      const SeRecord& se = day.SeData[s][j];
      w.ResultJyuni[j] = inum(se.field(jv::se::KakuteiJyuni));
      w.ResultNinki[j] = inum(se.field(jv::se::Ninki));
      w.ResultOdds[j] = static_cast<double>(num(se.field(jv::se::Odds))) / 10;
    }
  }
}

void fill_pay_entries(Day& day, std::size_t s) {
  RaceWork& w = day.Work[s];
  const HrRecord& hr = day.HrData[s];
  for (const BetType t : kBetTypes) {
    const auto ti = static_cast<std::size_t>(bet_index(t));
    for (int k = 1; k <= kPayCount[ti]; ++k) {
      const auto e = static_cast<std::size_t>(kPayFirst[ti] + k - 1);
      const HrEntry entry = ReadHrEntry(hr, t, k);
      w.PayNinki[e] = entry.ninki;
      w.PayAmount[e] = entry.pay;
      if (entry.horses == 1) {
        w.PayUmaban[e] = entry.horse[0];
      } else {
        w.PayKumi[e] = all_above_zero(entry) ? combo_label(entry) : std::string();
      }
      // The place payouts name the horses that finished in the places.
      const int h = entry.horse[0];
      if (t == BetType::kFukusho && h >= 1 && h <= kMaxHorses) {
        SeRecord& se = day.SeData[s][static_cast<std::size_t>(h - 1)];
        se.put(jv::se::KakuteiJyuni, fmt("%02d", k));
      }
    }
  }
}

}  // namespace

HrEntry ReadHrEntry(const HrRecord& hr, BetType type, int k) {
  const PayLayout& l = kPayLayout[bet_index(type)];
  const jv::Field combo = l.combo.at(k - 1);
  const int width = combo.len / l.numbers;
  HrEntry e;
  e.horses = l.numbers;
  for (int i = 0; i < l.numbers; ++i) e.horse[i] = inum(hr.field(combo.part(i * width, width)));
  e.pay = inum(hr.field(l.pay, k - 1));
  e.ninki = inum(hr.field(l.ninki, k - 1));
  return e;
}

bool ReadPayouts(Day& day, int on_screen, std::string_view date, bool race_selected) {
  const DayFiles files = MakeDayFiles(date);
  const int cur = on_screen;
  const bool cur_valid = cur >= 0 && cur < kMaxRaces;
  std::string current;  // venue code and race number of the race on screen
  bool new_payouts = false;
  if (cur_valid) {
    const RaRecord& ra = day.RaData[static_cast<std::size_t>(cur)];
    current = VenueRace(ra.view());
    day.Work[static_cast<std::size_t>(cur)].NewPayouts = false;
  }

  if (file_exists(files.RaFile)) {
    reread_races(day, files, date);
    fill_results(day);
  }
  if (file_exists(files.HrFile)) {
    for (HrRecord& r : day.HrData) r.blank();
    TakeRecordsBySlot(files.HrFile, day, SlotMatch::kRaceKey, day.HrData, [&](int s) {
      RaceWork& w = day.Work[static_cast<std::size_t>(s)];
      const RaRecord& ra = day.RaData[static_cast<std::size_t>(s)];
      if (cur_valid && w.HrLoaded == 0 && VenueRace(ra.view()) == current) {
        new_payouts = true;
      }
      w.HrLoaded = 1;
    });
    for (std::size_t s = 0; s < kMaxRaces; ++s) fill_pay_entries(day, s);
  }
  BuildPayoutTables(day);
  if (cur_valid) day.Work[static_cast<std::size_t>(cur)].NewPayouts = new_payouts;
  return race_selected && new_payouts;
}

void BuildPayoutTables(Day& day) {
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    auto& race = day.Payouts.table[s];
    for (const BetType t : kBetTypes) {
      const auto ti = static_cast<std::size_t>(bet_index(t));
      auto& entries = race[ti];
      for (auto& e : entries) e = PayoutEntry{};
      for (int k = 1; k <= kPayCount[ti]; ++k) {
        const HrEntry hr = ReadHrEntry(day.HrData[s], t, k);
        PayoutEntry& out = entries[static_cast<std::size_t>(k - 1)];
        if (any_above_zero(hr)) out.kumi = combo_label(hr);
        out.ninki = hr.ninki;
        out.pay = hr.pay;
      }
    }
  }
}

}  // namespace rv
