#include "model/race_odds.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstring>

#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using SlotSet = std::bitset<kMaxRaces>;

// ---- Fields ---------------------------------------------------------------------------

// A field that is not all digits: blanks, dashes, stars or junk (which reads 0).
double odds_slow(std::string_view field) {
  const std::string_view t = trim(field);
  if (t.empty()) return kOddsBlank;
  if (t.find_first_not_of('-') == std::string_view::npos ||
      t.find_first_not_of('*') == std::string_view::npos) {
    return kOddsWithdrawn;
  }
  return static_cast<double>(num(t)) / 10;
}

// The number a field's digits spell, or -1 when a byte is not a digit. Nearly every field is
// all digits; those are read without leaving the loop.
inline long digits_at(const char* p, int len) {
  long v = 0;
  for (int i = 0; i < len; ++i) {
    const unsigned d = static_cast<unsigned char>(p[i]) - unsigned{'0'};
    if (d > 9) return -1;
    v = v * 10 + static_cast<long>(d);
  }
  return v;
}

inline double odds_at(const char* rec, const jv::Field& f) {
  const char* p = rec + f.offset();
  const long v = digits_at(p, f.len);
  return v >= 0 ? static_cast<double>(v) / 10 : odds_slow({p, f.size()});
}

inline int int_at(const char* rec, const jv::Field& f) {
  const char* p = rec + f.offset();
  const long v = digits_at(p, f.len);
  return v >= 0 ? static_cast<int>(v) : inum({p, f.size()});
}

// An array of entries of odds and the array of their popularity ranks. The rank is taken
// only with a published value.
struct EntryLayout {
  jv::Field odds;
  jv::Field rank;
};

constexpr EntryLayout kWakuren{jv::o1::WakurenOdds, jv::o1::WakurenNinki};
constexpr EntryLayout kUmaren{jv::o2::Odds, jv::o2::Ninki};
constexpr EntryLayout kWide{jv::o3::OddsLow, jv::o3::Ninki};  // the lowest value only
constexpr EntryLayout kUmatan{jv::o4::Odds, jv::o4::Ninki};
constexpr EntryLayout kSanrenpuku{jv::o5::Odds, jv::o5::Ninki};
constexpr EntryLayout kSanrentan{jv::o6::Odds, jv::o6::Ninki};

// Writes every element of both arrays, so that they need no clearing before.
template <std::size_t N>
void read_entries(const char* rec, const EntryLayout& l, std::array<double, N>& odds,
                  std::array<int, N>& ninki) {
  static_assert(N >= 2);
  const int count = std::min(l.odds.count, static_cast<int>(N) - 1);
  odds[0] = 0;
  ninki[0] = 0;
  for (int k = 0; k < count; ++k) {
    const double v = odds_at(rec, l.odds.at(k));
    const auto i = static_cast<std::size_t>(k) + 1;
    odds[i] = v;
    ninki[i] = v >= 0 ? int_at(rec, l.rank.at(k)) : 0;
  }
  std::fill(odds.begin() + count + 1, odds.end(), 0.0);
  std::fill(ninki.begin() + count + 1, ninki.end(), 0);
}

// A kind whose record was found is read whole; one that was not reads as cleared.
template <std::size_t N>
void read_or_clear(bool found, const char* rec, const EntryLayout& l, std::array<double, N>& odds,
                   std::array<int, N>& ninki) {
  if (found) {
    read_entries(rec, l, odds, ninki);
  } else {
    odds.fill(0.0);
    ninki.fill(0);
  }
}

// ---- Win and place, popularity, win rate ---------------------------------------------

// A popularity key: two odds and the horse number. The text keys "%6.1f%6.1f%2d" are of
// fixed width (the odds fields hold at most 999.9), so their text order is this order.
struct NinkiKey {
  double first;
  double second;
  int horse;
  bool operator<(const NinkiKey& o) const {
    if (first != o.first) return first < o.first;
    if (second != o.second) return second < o.second;
    return horse < o.horse;
  }
};

struct NinkiList {
  std::array<NinkiKey, kMaxHorses> keys;
  int n = 0;
  void add(double first, double second, int horse) {
    keys[static_cast<std::size_t>(n++)] = {first, second, horse};
  }
  template <std::size_t N>
  void rank_into(std::array<int, N>& ninki) {
    std::sort(keys.begin(), keys.begin() + n);
    for (int p = 0; p < n; ++p)
      ninki[static_cast<std::size_t>(keys[static_cast<std::size_t>(p)].horse)] = p + 1;
  }
};

void read_win_place(const O1Record& o1, int runners, RaceWork& w) {
  const char* rec = o1.bytes.data();
  NinkiList win;
  NinkiList low;
  NinkiList high;
  for (int i = 0; i < runners; ++i) {
    const auto h = static_cast<std::size_t>(i) + 1;
    const double odds = odds_at(rec, jv::o1::TansyoOdds.at(i));
    w.WinOdds[h] = odds;
    if (odds > 0) w.WinRate[h] = 80 / odds;

    const double lo = odds_at(rec, jv::o1::FukusyoOddsLow.at(i));
    if (lo < 0) {  // dashes, stars or blank: the high value is the same marker
      w.PlaceOddsLow[h] = lo;
      w.PlaceOddsHigh[h] = lo;
      continue;
    }
    const double hi = static_cast<double>(num(o1.field(jv::o1::FukusyoOddsHigh, i))) / 10;
    w.PlaceOddsLow[h] = lo;
    w.PlaceOddsHigh[h] = hi;
    // A horse whose place odds are not numeric gets no win rank either.
    if (odds > 0) win.add(odds, lo, i + 1);
    if (lo > 0) low.add(lo, hi, i + 1);
    if (hi > 0) high.add(hi, lo, i + 1);
  }
  win.rank_into(w.WinNinki);
  low.rank_into(w.PlaceNinki);
  high.rank_into(w.PlaceNinkiHigh);
}

// The sample standard deviation of the ranked horses' win rates and their deviation scores.
// With fewer than two ranked horses, or all at one rate, there is no spread to score
// against: the deviation and every score stay 0.
void win_rate_figures(int runners, RaceWork& w) {
  int m = 0;
  double sum = 0;
  for (int h = 1; h <= runners; ++h) {
    if (w.WinNinki[static_cast<std::size_t>(h)] < 1) continue;
    ++m;
    sum += w.WinRate[static_cast<std::size_t>(h)];
  }
  if (m < 2) return;
  const double mean = sum / m;
  double sq = 0;
  for (int h = 1; h <= runners; ++h) {
    if (w.WinNinki[static_cast<std::size_t>(h)] < 1) continue;
    const double d = w.WinRate[static_cast<std::size_t>(h)] - mean;
    sq += d * d;
  }
  const double sd = std::sqrt(sq / (m - 1));
  if (!(sd > 0)) return;
  w.WinRateStdDev = sd;
  for (int h = 1; h <= runners; ++h) {
    const auto i = static_cast<std::size_t>(h);
    if (w.WinNinki[i] >= 1) w.WinRateScore[i] = (w.WinRate[i] - mean) / sd * 10 + 50;
  }
}

// ---- Finding a race's records ---------------------------------------------------------

// The race of a slot in an odds file: venue code and race number of its RA record. A
// blank venue or a race number below 1 has no odds records.
struct SlotKey {
  char key[4];
  bool valid = false;
};
using SlotKeys = std::array<SlotKey, kMaxRaces>;

SlotKey slot_key(const RaRecord& ra) {
  SlotKey k{};
  const std::string_view venue = ra.field(jv::head::JyoCD);
  const std::string_view race = ra.field(jv::head::RaceNum);
  if (inum(race) < 1) return k;
  std::memcpy(k.key, venue.data(), 2);
  std::memcpy(k.key + 2, race.data(), 2);
  // A record's four bytes can only equal a key that is four characters once trimmed.
  k.valid = trim({k.key, 4}).size() == 4;
  return k;
}

constexpr std::size_t kHead = jv::head::All.size();

// Reads the file once; each wanted slot receives the first record of its race, and is set
// in `found` as it does.
template <std::size_t N>
void take_first_records(const fs::path& file, const SlotKeys& keys, SlotSet wanted,
                        std::array<Record<N>, kMaxRaces>& dest, SlotSet& found) {
  if (wanted.none()) return;
  RecordScanner scan(file, N);
  if (!scan.exists()) return;
  char head[kHead];
  while (found != wanted && scan.next(head, kHead)) {
    int first = -1;
    for (std::size_t s = 0; s < kMaxRaces; ++s) {
      if (!wanted[s] || found[s]) continue;
      const char* k = keys[s].key;
      if (std::memcmp(k, head + jv::head::JyoCD.offset(), jv::head::JyoCD.size()) != 0 ||
          std::memcmp(k + 2, head + jv::head::RaceNum.offset(), jv::head::RaceNum.size()) != 0) {
        continue;
      }
      if (first < 0) {
        scan.take(dest[s].bytes.data());
        first = static_cast<int>(s);
      } else {
        dest[s] = dest[static_cast<std::size_t>(first)];
      }
      found.set(s);
    }
    if (first < 0) scan.skip();
  }
}

struct Found {
  SlotSet o[6];
};

// What is taken is in `found` even when a file fails part-way.
void take_all(Day& day, const SlotKeys& keys, SlotSet wanted, Found& found) {
  const auto& f = day.Files.OzFile;
  take_first_records(f[0], keys, wanted, day.O1Data, found.o[0]);
  take_first_records(f[1], keys, wanted, day.O2Data, found.o[1]);
  take_first_records(f[2], keys, wanted, day.O3Data, found.o[2]);
  take_first_records(f[3], keys, wanted, day.O4Data, found.o[3]);
  take_first_records(f[4], keys, wanted, day.O5Data, found.o[4]);
  take_first_records(f[5], keys, wanted, day.O6Data, found.o[5]);
}

// Fills the working record of a slot from the record copies found for it.
void read_slot(Day& day, std::size_t s, const Found& found) {
  RaceWork& w = day.Work[s];
  w.reset_odds_besides_combinations();
  const int runners = std::clamp(day.runners(static_cast<int>(s)), 0, kMaxHorses);
  const char* o1 = day.O1Data[s].bytes.data();
  if (found.o[0][s]) {
    read_win_place(day.O1Data[s], runners, w);
    win_rate_figures(runners, w);
    w.OddsTime.assign(day.O1Data[s].field(jv::odds::HappyoHM));
  }
  read_or_clear(found.o[0][s], o1, kWakuren, w.WakurenOdds, w.WakurenNinki);
  read_or_clear(found.o[1][s], day.O2Data[s].bytes.data(), kUmaren, w.UmarenOdds, w.UmarenNinki);
  read_or_clear(found.o[2][s], day.O3Data[s].bytes.data(), kWide, w.WideOdds, w.WideNinki);
  read_or_clear(found.o[3][s], day.O4Data[s].bytes.data(), kUmatan, w.UmatanOdds, w.UmatanNinki);
  read_or_clear(found.o[4][s], day.O5Data[s].bytes.data(), kSanrenpuku, w.SanrenpukuOdds,
                w.SanrenpukuNinki);
  read_or_clear(found.o[5][s], day.O6Data[s].bytes.data(), kSanrentan, w.SanrentanOdds,
                w.SanrentanNinki);
}

// A file that does not hold the race must not leave an older copy behind the cleared
// numbers. A race's odds load blanks a copy that does not begin blank; a day load, which
// blanks no odds copy beforehand, also every copy taken from a file since it was blanked.
enum class Load { kRace, kDay };

template <std::size_t N>
void blank_unless(bool found, Record<N>& copy, SlotSet& taken, std::size_t s, Load load) {
  if (found) {
    taken.set(s);
  } else if (copy.field(jv::rec::RecordSpec)[0] != ' ' || (load == Load::kDay && taken[s])) {
    copy.blank();
    taken.reset(s);
  }
}

void blank_missing(Day& day, std::size_t s, const Found& found, Load load) {
  auto& t = day.OddsTaken;
  blank_unless(found.o[0][s], day.O1Data[s], t[0], s, load);
  blank_unless(found.o[1][s], day.O2Data[s], t[1], s, load);
  blank_unless(found.o[2][s], day.O3Data[s], t[2], s, load);
  blank_unless(found.o[3][s], day.O4Data[s], t[3], s, load);
  blank_unless(found.o[4][s], day.O5Data[s], t[4], s, load);
  blank_unless(found.o[5][s], day.O6Data[s], t[5], s, load);
}

}  // namespace

void LoadRaceOdds(Day& day, int slot) {
  if (slot < 0 || slot >= kMaxRaces) return;
  const auto s = static_cast<std::size_t>(slot);
  SlotKeys keys{};
  keys[s] = slot_key(day.RaData[s]);
  SlotSet wanted;
  wanted.set(s, keys[s].valid);
  Found found;
  take_all(day, keys, wanted, found);
  blank_missing(day, s, found, Load::kRace);
  read_slot(day, s, found);
}

void LoadDayOdds(Day& day) {
  SlotKeys keys{};
  SlotSet wanted;
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    keys[s] = slot_key(day.RaData[s]);
    wanted.set(s, keys[s].valid);
  }
  Found found;
  try {
    take_all(day, keys, wanted, found);
  } catch (...) {
    // A file that cannot be read leaves what was taken and clears the rest.
    for (std::size_t s = 0; s < kMaxRaces; ++s) {
      blank_missing(day, s, found, Load::kDay);
      day.Work[s].reset_odds();
    }
    throw;
  }
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    day.OzRace = static_cast<int>(s);
    blank_missing(day, s, found, Load::kDay);
    read_slot(day, s, found);
  }
}

}  // namespace rv
