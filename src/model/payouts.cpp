#include "model/payouts.h"

#include "model/day_paths.h"
#include "model/day_records.h"
#include "support/text.h"

namespace rv {
namespace {

// Where each bet type's entries lie in an HR record (1-based positions of entry 1).
struct PayLayout {
  int combo_pos;
  int stride;
  int numbers;  // in the combination
  int number_width;
  int pay_pos;  // 9 digits
  int ninki_pos;
  int ninki_width;
};

constexpr PayLayout kPayLayout[kBetTypeCount] = {
    // in bet-type order
    {103, 13, 1, 2, 105, 114, 2},  // 単勝
    {142, 13, 1, 2, 144, 153, 2},  // 複勝
    {207, 13, 2, 1, 209, 218, 2},  // 枠連: one digit per bracket
    {246, 16, 2, 2, 250, 259, 3},  // 馬連
    {294, 16, 2, 2, 298, 307, 3},  // ワイド
    {454, 16, 2, 2, 458, 467, 3},  // 馬単
    {550, 18, 3, 2, 556, 565, 3},  // ３連複
    {604, 19, 3, 2, 610, 619, 4},  // ３連単
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
  RecordScanner scan(files.RaFile, kRaLen);
  int s = 0;
  char head[27];
  while (s < kMaxRaces && scan.next(head, 27)) {
    RaRecord& ra = day.RaData[static_cast<std::size_t>(s)];
    scan.take(ra.bytes.data());
    if (!is_blank(ra.field(12, 4))) ++s;
  }
  for (int r = 0; r < s; ++r) ReadRunnerRecords(day, date, r, RunnerSlots(day, r));
  return s;
}

void fill_results(Day& day) {
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    RaceWork& w = day.Work[s];
    for (std::size_t j = 0; j < kMaxHorses; ++j) {
      const SeRecord& se = day.SeData[s][j];
      w.ResultJyuni[j] = inum(se.field(335, 2));
      w.ResultNinki[j] = inum(se.field(364, 2));
      w.ResultOdds[j] = static_cast<double>(num(se.field(360, 4))) / 10;
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
        const std::string pos = fmt("%02d", k);
        se.bytes[334] = pos[0];
        se.bytes[335] = pos[1];
      }
    }
  }
}

}  // namespace

HrEntry ReadHrEntry(const HrRecord& hr, BetType type, int k) {
  const PayLayout& l = kPayLayout[bet_index(type)];
  const int at = l.stride * (k - 1);
  const auto field = [&hr](int pos, int len) {
    return inum(hr.field(static_cast<std::size_t>(pos), static_cast<std::size_t>(len)));
  };
  HrEntry e;
  e.horses = l.numbers;
  for (int i = 0; i < l.numbers; ++i) {
    e.horse[i] = field(l.combo_pos + at + i * l.number_width, l.number_width);
  }
  e.pay = field(l.pay_pos + at, 9);
  e.ninki = field(l.ninki_pos + at, l.ninki_width);
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
    current = std::string(ra.field(20, 2)) + std::string(ra.field(26, 2));
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
      if (cur_valid && w.HrLoaded == 0 &&
          std::string(ra.field(20, 2)) + std::string(ra.field(26, 2)) == current) {
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
