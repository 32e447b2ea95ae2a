// The race day in memory: the raw JV-Data records of every race of the loaded day, byte for
// byte, and one working record per race in which the other subsystems keep what they compute.
// Sized once for the largest day (36 races of up to 18 horses); a load blanks and refills it,
// nothing is allocated per race.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "jvdata/combo_labels.h"  // the combination counts (index 1..count)
#include "jvdata/layouts.h"

namespace rv {

inline constexpr int kMaxRaces = 36;   // three venues of twelve races
inline constexpr int kMaxHorses = 18;  // horse position 0..17 holds horse number 1..18

// One raw record, read in place by 1-based JV-Data byte position.
template <std::size_t N>
struct Record {
  static constexpr std::size_t kSize = N;
  std::array<char, N> bytes;

  void blank() { std::memset(bytes.data(), ' ', N); }
  [[nodiscard]] std::string_view view() const { return {bytes.data(), N}; }
  [[nodiscard]] std::string_view field(std::size_t pos, std::size_t len) const {
    return pos >= 1 && pos - 1 + len <= N ? std::string_view(bytes.data() + pos - 1, len)
                                          : std::string_view();
  }
  [[nodiscard]] std::string_view field(const jv::Field& f) const {
    return field(static_cast<std::size_t>(f.pos), f.size());
  }
  // Entry i (0-based) of an array field.
  [[nodiscard]] std::string_view field(const jv::Field& f, int i) const { return field(f.at(i)); }
  // Overwrites a field with text of its width.
  void put(const jv::Field& f, std::string_view text) {
    if (f.pos >= 1 && f.offset() + f.size() <= N && text.size() == f.size()) {
      std::memcpy(bytes.data() + f.offset(), text.data(), f.size());
    }
  }
  void assign(std::string_view rec) {
    const std::size_t n = rec.size() < N ? rec.size() : N;
    std::memcpy(bytes.data(), rec.data(), n);
    if (n < N) std::memset(bytes.data() + n, ' ', N - n);
  }
};

// Each record is as long as its layout says, CR LF included.
using RaRecord = Record<jv::ra::kLayout.length>;
using SeRecord = Record<jv::se::kLayout.length>;
using UmRecord = Record<jv::um::kLayout.length>;
using HrRecord = Record<jv::hr::kLayout.length>;
using O1Record = Record<jv::o1::kLayout.length>;
using O2Record = Record<jv::o2::kLayout.length>;
using O3Record = Record<jv::o3::kLayout.length>;
using O4Record = Record<jv::o4::kLayout.length>;
using O5Record = Record<jv::o5::kLayout.length>;
using O6Record = Record<jv::o6::kLayout.length>;
using DmRecord = Record<jv::dm::kLayout.length>;

// Payout entries 1..36 in bet-type order: 1-3 単勝, 4-8 複勝, 9-11 枠連, 12-14 馬連,
// 15-21 ワイド, 22-27 馬単, 28-30 ３連複, 31-36 ３連単.
inline constexpr std::array<int, 8> kPayCount = {
    jv::hr::TansyoPay.count,     jv::hr::FukusyoPay.count,  jv::hr::WakurenPay.count,
    jv::hr::UmarenPay.count,     jv::hr::WidePay.count,     jv::hr::UmatanPay.count,
    jv::hr::SanrenpukuPay.count, jv::hr::SanrentanPay.count};
inline constexpr std::array<int, 8> kPayFirst = [] {
  std::array<int, 8> first{};
  int next = 1;
  for (std::size_t t = 0; t < first.size(); ++t) {
    first[t] = next;
    next += kPayCount[t];
  }
  return first;
}();
inline constexpr int kPayEntries = kPayFirst.back() + kPayCount.back() - 1;
static_assert(kPayEntries == 36 && kPayFirst[7] == 31);

// Per-race working record. Arrays over horse numbers and combination indexes are 1-based as
// the indexes are (element 0 unused and always zero, so a "not found" index 0 reads as no
// odds and no rank). Arrays "by horse position" are 0-based (position 0 = horse number 1).
struct RaceWork {
  // Automatic acquisition and delivery ("hhmm"), race class letter.
  std::string OzTime;
  std::string OzTime2;
  std::string RaceClass;
  std::string DeliverTime;
  std::array<std::uint8_t, kMaxHorses> ChaseMark{};  // by position

  // Odds as numbers: > 0 published odds, -1.0 dashes or stars, -2.0 blank, 0.0 no votes.
  std::array<double, kMaxHorses + 1> WinOdds{};  // by horse number
  std::array<double, kMaxHorses + 1> PlaceOddsLow{};
  std::array<double, kMaxHorses + 1> PlaceOddsHigh{};
  std::array<double, kWakurenCount + 1> WakurenOdds{};
  std::array<double, kUmarenCount + 1> UmarenOdds{};
  std::array<double, kUmarenCount + 1> WideOdds{};  // lowest value of the range
  std::array<double, kUmatanCount + 1> UmatanOdds{};
  std::array<double, kSanrenpukuCount + 1> SanrenpukuOdds{};
  std::array<double, kSanrentanCount + 1> SanrentanOdds{};

  // Popularity ranks; 0 = not ranked.
  std::array<int, kMaxHorses + 1> WinNinki{};  // by horse number, computed from the odds
  std::array<int, kMaxHorses + 1> PlaceNinki{};
  std::array<int, kMaxHorses + 1> PlaceNinkiHigh{};
  std::array<int, kWakurenCount + 1> WakurenNinki{};  // taken from the records
  std::array<int, kUmarenCount + 1> UmarenNinki{};
  std::array<int, kUmarenCount + 1> WideNinki{};
  std::array<int, kUmatanCount + 1> UmatanNinki{};
  std::array<int, kSanrenpukuCount + 1> SanrenpukuNinki{};
  std::array<int, kSanrentanCount + 1> SanrentanNinki{};

  // Win-rate figures (percent), by horse number.
  std::array<double, kMaxHorses + 1> WinRate{};
  std::array<double, kMaxHorses + 1> WinRateScore{};
  double WinRateStdDev = 0.0;

  // Per bracket 1..8 (element 0 unused): bracket popularity and rate.
  std::array<int, 9> WakuNinki{};
  std::array<double, 9> WakuRate{};

  // Data-mining predictions, by position.
  std::array<int, kMaxHorses> DmTime{};
  std::array<int, kMaxHorses> DmGosaPlus{};
  std::array<int, kMaxHorses> DmGosaMinus{};
  std::array<int, kMaxHorses> DmRank{};

  // Axis and partner marks, by position (horse number - 1).
  std::array<std::uint8_t, kMaxHorses> AxisMark{};
  std::array<std::uint8_t, kMaxHorses> Himo1Mark{};
  std::array<std::uint8_t, kMaxHorses> Himo2Mark{};

  // Results, by position, and payout entries 1..36 (element 0 unused).
  std::array<int, kMaxHorses> ResultJyuni{};
  std::array<int, kMaxHorses> ResultNinki{};
  std::array<double, kMaxHorses> ResultOdds{};
  std::array<int, 9> PayUmaban{};  // entries 1-3 win, 4-8 place
  std::array<std::string, kPayEntries + 1> PayKumi;
  std::array<int, kPayEntries + 1> PayNinki{};
  std::array<int, kPayEntries + 1> PayAmount{};
  std::uint8_t HrLoaded = 0;
  bool NewPayouts = false;  // the payout reader found this race's payouts for the first time

  // State of the loaded odds: "hhmm" of the O1 announcement.
  std::string OddsTime;

  // Every number to 0, every flag to 0, every text to empty; strings keep their storage.
  void reset();
  // Only the odds, ranks, derived figures and marks (what an odds load recomputes).
  void reset_odds();
  // reset() without reset_odds(), for a day load whose odds load resets each slot's odds.
  void reset_besides_odds();
  // reset_odds() without the combination odds and ranks (bracket quinella to trifecta),
  // which an odds load writes whole for each kind it finds and clears for each it does not.
  void reset_odds_besides_combinations();
};

// One payout entry as the results tab shows it: horse number ("%2d") or combination label,
// popularity and payout; empty kumi when the entry is unused.
struct PayoutEntry {
  std::string kumi;
  int ninki = 0;
  int pay = 0;
};

// The payout entries of one bet type of a race, and of all eight types in bet-type order.
using PayoutEntries = std::array<PayoutEntry, 7>;
using RacePayouts = std::array<PayoutEntries, 8>;

// The day's payout display tables, built from HrData: per slot and bet type, the entries in
// payout-entry order.
struct PayoutDisplay {
  std::array<RacePayouts, kMaxRaces> table;
};

// The files of the loaded day, rebuilt by every load: "\Data\" + date + ".jvRA" and the
// same name with ".jvHR", ".jvWH", ".jvDM", ".jvO1" .. ".jvO6". Empty before a load. The WH
// file is named for completeness; nothing reads it.
struct DayFiles {
  std::filesystem::path RaFile;
  std::filesystem::path HrFile;
  std::filesystem::path WhFile;
  std::filesystem::path DmFile;
  std::array<std::filesystem::path, 6> OzFile;  // O1File .. O6File
};

// The whole day. One instance lives for the whole run (allocate it once with make_day()).
struct Day {
  std::array<RaRecord, kMaxRaces> RaData;
  std::array<std::array<SeRecord, kMaxHorses>, kMaxRaces> SeData;
  std::array<std::array<UmRecord, kMaxHorses>, kMaxRaces> UmData;
  std::array<HrRecord, kMaxRaces> HrData;
  std::array<O1Record, kMaxRaces> O1Data;
  std::array<O2Record, kMaxRaces> O2Data;
  std::array<O3Record, kMaxRaces> O3Data;
  std::array<O4Record, kMaxRaces> O4Data;
  std::array<O5Record, kMaxRaces> O5Data;
  std::array<O6Record, kMaxRaces> O6Data;
  std::array<DmRecord, kMaxRaces> DmData;
  std::array<RaceWork, kMaxRaces> Work;
  // Set once the delivery timer has handled the race, so that it is mailed once.
  std::array<bool, kMaxRaces> Delivered{};

  int OzRace = 0;  // the race whose odds are being loaded

  // The day's date text as the date box holds it ("2026年12月06日", Shift-JIS).
  std::string Date;
  DayFiles Files;
  // AllResultsIn: every loaded runner record holds final results.
  bool AllResultsIn = false;
  bool BatchReading = false;

  // Venue table: codes of up to three venues (ascending) and their first slot ("%2d").
  std::array<std::string, 3> BashoLabel;
  std::array<std::string, 3> BashoIdx;

  // Investment amount per slot (text, as the amount box holds it).
  std::array<std::string, kMaxRaces> RaceAmount;

  // Win odds of the horse with win popularity k = 1..10 of the race on screen.
  std::array<double, 11> WinOddsByNinki{};

  PayoutDisplay Payouts;

  // What the loaders filled since the raw arrays were last blanked, so that a load blanks
  // only that: per odds kind (O1..O6), the slots whose copy was taken from an odds file; the
  // slots whose horse records may hold more than blanks (every slot before the first blank:
  // the model starts zeroed).
  std::array<std::bitset<kMaxRaces>, 6> OddsTaken;
  std::bitset<kMaxRaces> HorsesFilled = std::bitset<kMaxRaces>().set();

  // Every element of every raw array to spaces.
  void blank_records();
  // The same for a day load, which rewrites most of the model: the odds copies are left to
  // the odds load, which blanks each slot's copies its files lack, and of the horse records
  // only the slots in HorsesFilled are blanked.
  void blank_records_for_load();
  // The odds copies alone.
  void blank_odds_records();
  // A slot is in use when its RA year is neither blank nor "0000".
  [[nodiscard]] bool slot_in_use(int slot) const;
  [[nodiscard]] int slots_in_use() const;
  // Registered runners of a slot (RA TorokuTosu), 0 when not a number.
  [[nodiscard]] int runners(int slot) const;
};

// The day model is several megabytes: it lives on the heap, made once at start-up.
std::unique_ptr<Day> make_day();

}  // namespace rv
