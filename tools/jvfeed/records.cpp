#include "jvfeed/records.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <unordered_map>

#include "support/clock.h"
#include "support/text.h"

namespace rv::jvfeed {
namespace {

[[noreturn]] void bad(const std::string& what) {
  throw std::invalid_argument(what);
}

std::string digits(std::int64_t n, int width) {
  std::string s = std::to_string(n);
  if (n < 0 || static_cast<int>(s.size()) > width) {
    bad(s + " does not fit " + std::to_string(width) + " digits");
  }
  return std::string(static_cast<std::size_t>(width) - s.size(), '0') + s;
}

// Combinations in the order of the odds records' entries.
struct Combos {
  std::vector<std::array<int, 3>> list;  // unused members are 0
  std::unordered_map<int, int> index;    // code -> 1-based index

  static int code(int a, int b, int c) { return (a * 32 + b) * 32 + c; }
  void add(int a, int b, int c = 0) {
    list.push_back({a, b, c});
    index[code(a, b, c)] = static_cast<int>(list.size());
  }
};

Combos make_combos(Kind kind) {
  Combos c;
  switch (kind) {
    case Kind::O1:
      for (int a = 1; a <= 8; ++a) {
        for (int b = a; b <= 8; ++b) c.add(a, b);
      }
      break;
    case Kind::O2:
    case Kind::O3:
      for (int a = 1; a <= 18; ++a) {
        for (int b = a + 1; b <= 18; ++b) c.add(a, b);
      }
      break;
    case Kind::O4:
      for (int a = 1; a <= 18; ++a) {
        for (int b = 1; b <= 18; ++b) {
          if (a != b) c.add(a, b);
        }
      }
      break;
    case Kind::O5:
      for (int a = 1; a <= 18; ++a) {
        for (int b = a + 1; b <= 18; ++b) {
          for (int x = b + 1; x <= 18; ++x) c.add(a, b, x);
        }
      }
      break;
    case Kind::O6:
      for (int a = 1; a <= 18; ++a) {
        for (int b = 1; b <= 18; ++b) {
          for (int x = 1; x <= 18; ++x) {
            if (a != b && a != x && b != x) c.add(a, b, x);
          }
        }
      }
      break;
    default:
      bad("no combinations in " + std::string(kind_id(kind)));
  }
  return c;
}

const Combos& combos(Kind kind) {
  static const std::array<Combos, 6> all = {make_combos(Kind::O1), make_combos(Kind::O2),
                                            make_combos(Kind::O3), make_combos(Kind::O4),
                                            make_combos(Kind::O5), make_combos(Kind::O6)};
  if (kind < Kind::O1 || kind > Kind::O6) bad("no combinations in " + std::string(kind_id(kind)));
  return all[static_cast<std::size_t>(kind) - static_cast<std::size_t>(Kind::O1)];
}

// 1-based byte position of entry `index` of a field.
std::size_t start(const Field& f, int index) {
  return static_cast<std::size_t>(f.pos) +
         static_cast<std::size_t>(index - 1) * static_cast<std::size_t>(f.stride);
}

bool is_odds(Kind k) {
  return k >= Kind::O1 && k <= Kind::O6;
}

// Brackets are one digit each in O1 and HR, horses two digits.
std::string kumi_text(const std::vector<int>& combo, int width_each) {
  std::string s;
  for (const int n : combo) s += digits(n, width_each);
  return s;
}

// Youbi code of a date: 1 土 2 日, 4..8 月..金 (holidays are not known here).
int youbi(int ymd) {
  const DateTime d{ymd / 10000, ymd / 100 % 100, ymd % 100};
  const int w = d.day_of_week();  // 0 = Sunday
  if (w == 6) return 1;
  if (w == 0) return 2;
  return w + 3;
}

}  // namespace

// ---- Keys, odds, combinations ----------------------------------------------------------

std::string RaceKey::text() const {
  return digits(year, 4) + digits(month, 2) + digits(day, 2) + digits(venue, 2) + digits(kaiji, 2) +
         digits(nichiji, 2) + digits(race, 2);
}

std::string RaceKey::date() const {
  return digits(year, 4) + digits(month, 2) + digits(day, 2);
}

std::optional<RaceKey> RaceKey::parse(std::string_view s) {
  if (s.size() != 16 || !all_digits(s)) return std::nullopt;
  return RaceKey{inum(s.substr(0, 4)), inum(s.substr(4, 2)),  inum(s.substr(6, 2)),
                 inum(s.substr(8, 2)), inum(s.substr(10, 2)), inum(s.substr(12, 2)),
                 inum(s.substr(14, 2))};
}

RaceKey key(int ymd, int venue, int race, int kaiji, int nichiji) {
  return RaceKey{ymd / 10000, ymd / 100 % 100, ymd % 100, venue, kaiji, nichiji, race};
}

Odds::Odds(double value) : tenths(static_cast<std::int64_t>(std::floor(value * 10 + 0.5))) {}

Odds Odds::of_tenths(std::int64_t t) {
  Odds o;
  o.tenths = t;
  return o;
}
Odds Odds::dashes() {
  Odds o;
  o.mark = Mark::Dashes;
  return o;
}
Odds Odds::stars() {
  Odds o;
  o.mark = Mark::Stars;
  return o;
}
Odds Odds::blank() {
  Odds o;
  o.mark = Mark::Blank;
  return o;
}

int bracket_of(int horse, int runners) {
  if (horse < 1 || horse > runners) return 0;
  if (runners <= 8) return horse;
  // Brackets 1..(8 - extra) hold `base` horses, the last `extra` brackets one more.
  const int base = runners / 8;
  const int extra = runners % 8;
  const int small = 8 - extra;
  if (horse <= small * base) return (horse - 1) / base + 1;
  return small + (horse - small * base - 1) / (base + 1) + 1;
}

std::vector<int> combination(Kind kind, int index) {
  const auto& c = combos(kind);
  if (index < 1 || index > static_cast<int>(c.list.size())) return {};
  const auto& e = c.list[static_cast<std::size_t>(index - 1)];
  if (e[2] == 0) return {e[0], e[1]};
  return {e[0], e[1], e[2]};
}

int entry_index(Kind kind, const std::vector<int>& combo) {
  const auto& c = combos(kind);
  if (combo.size() < 2 || combo.size() > 3) return 0;
  for (const int n : combo) {
    if (n < 1 || n > 18) return 0;
  }
  const auto it = c.index.find(Combos::code(combo[0], combo[1], combo.size() == 3 ? combo[2] : 0));
  return it == c.index.end() ? 0 : it->second;
}

int entry_count(Kind kind) {
  return static_cast<int>(combos(kind).list.size());
}

std::string wide_text(std::string_view utf8, std::size_t bytes) {
  std::string s = sj(utf8);
  if (s.size() > bytes) bad("text too long for " + std::to_string(bytes) + " bytes");
  while (s.size() + 2 <= bytes) s += "\x81\x40";
  if (s.size() < bytes) s += ' ';
  return s;
}

// ---- Record ------------------------------------------------------------------------------

Record::Record(Kind kind, char data_kind, std::string_view make_date)
    : kind_(kind), bytes_(record_length(kind), ' ') {
  for (const auto& f : fields(kind)) {
    for (int i = 1; i <= f.count; ++i) {
      const std::size_t at = start(f, i) - 1;
      const auto len = static_cast<std::size_t>(f.len);
      if (f.type == FieldType::Num) bytes_.replace(at, len, len, '0');
      if (f.type == FieldType::Wide) bytes_.replace(at, len, wide_text("", len));
    }
  }
  bytes_.replace(bytes_.size() - 2, 2, "\r\n");
  set_raw("RecordSpec", 1, kind_id(kind));
  set_data_kind(data_kind);
  set("MakeDate", make_date);
}

const Field& Record::field(std::string_view name, int index) const {
  const Field* f = find_field(kind_, name);
  if (f == nullptr) bad(std::string(kind_id(kind_)) + " has no field " + std::string(name));
  if (index < 1 || index > f->count) {
    bad(std::string(name) + " has no entry " + std::to_string(index));
  }
  return *f;
}

void Record::write(const Field& f, int index, std::string_view text) {
  if (static_cast<int>(text.size()) > f.len) {
    bad(std::string(f.name) + ": '" + std::string(text) + "' is longer than " +
        std::to_string(f.len));
  }
  const std::size_t pos = start(f, index);
  if (f.type == FieldType::Wide) {
    std::string padded(text);
    while (padded.size() + 2 <= static_cast<std::size_t>(f.len)) padded += "\x81\x40";
    put_fld(bytes_, pos, static_cast<std::size_t>(f.len), padded);
  } else {
    put_fld(bytes_, pos, static_cast<std::size_t>(f.len), text);
  }
}

std::string_view Record::get(std::string_view name, int index) const {
  const Field& f = field(name, index);
  return fld(bytes_, start(f, index), static_cast<std::size_t>(f.len));
}

Record& Record::set(std::string_view name, std::int64_t number) {
  return set(name, 1, number);
}

Record& Record::set(std::string_view name, int index, std::int64_t number) {
  const Field& f = field(name, index);
  if (f.type == FieldType::Wide) bad(std::string(name) + " is full-width text");
  write(f, index, digits(number, f.len));
  return *this;
}

Record& Record::set(std::string_view name, std::string_view utf8) {
  return set(name, 1, utf8);
}

Record& Record::set(std::string_view name, int index, std::string_view utf8) {
  const Field& f = field(name, index);
  const bool numeric = f.type == FieldType::Num || f.type == FieldType::Entry;
  if (numeric && all_digits(utf8) && static_cast<int>(utf8.size()) < f.len) {
    write(f, index,
          std::string(static_cast<std::size_t>(f.len) - utf8.size(), '0') + std::string(utf8));
  } else {
    write(f, index, sj(utf8));
  }
  return *this;
}

Record& Record::set_raw(std::string_view name, int index, std::string_view sjis) {
  write(field(name, index), index, sjis);
  return *this;
}

Record& Record::set_key(const RaceKey& k) {
  if (kind_ == Kind::UM) bad("UM has no race key");
  set("Year", k.year).set("MonthDay", k.month * 100 + k.day).set("JyoCD", k.venue);
  set("Kaiji", k.kaiji).set("Nichiji", k.nichiji);
  if (kind_ != Kind::WE) set("RaceNum", k.race);
  return *this;
}

RaceKey Record::race_key() const {
  const std::string_view md = get("MonthDay");
  return RaceKey{inum(get("Year")),
                 inum(md.substr(0, 2)),
                 inum(md.substr(2, 2)),
                 inum(get("JyoCD")),
                 inum(get("Kaiji")),
                 inum(get("Nichiji")),
                 kind_ == Kind::WE ? 0 : inum(get("RaceNum"))};
}

Record& Record::set_data_kind(char data_kind) {
  return set_raw("DataKubun", 1, std::string_view(&data_kind, 1));
}

void Record::need(std::initializer_list<Kind> kinds, const char* what) const {
  for (const Kind k : kinds) {
    if (k == kind_) return;
  }
  bad(std::string(what) + " does not apply to " + std::string(kind_id(kind_)));
}

void Record::fill(const Field& f, int index, char c) {
  const std::size_t at = start(f, index) - 1;
  for (std::size_t i = 0; i < static_cast<std::size_t>(f.len); ++i) bytes_[at + i] = c;
}

// Digits written in place: the odds records hold thousands of entries.
void Record::put_number(const Field& f, int index, std::int64_t n) {
  if (n < 0) bad(std::string(f.name) + ": negative number");
  const std::size_t at = start(f, index) - 1;
  for (std::size_t i = static_cast<std::size_t>(f.len); i-- > 0;) {
    bytes_[at + i] = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  if (n != 0)
    bad(std::string(f.name) + ": number does not fit " + std::to_string(f.len) + " digits");
}

void Record::put_kumi(const Field& f, int index, const std::vector<int>& combo, int width_each) {
  const std::size_t at = start(f, index) - 1;
  std::size_t i = 0;
  for (const int n : combo) {
    if (width_each == 2) bytes_[at + i++] = static_cast<char>('0' + n / 10);
    bytes_[at + i++] = static_cast<char>('0' + n % 10);
  }
}

void Record::write_odds(const Field& f, int index, Odds odds) {
  switch (odds.mark) {
    case Odds::Mark::Value: {
      // A value beyond the field shows as its largest number, as the published odds do.
      std::int64_t cap = 1;
      for (int i = 0; i < f.len; ++i) cap *= 10;
      put_number(f, index, std::min(odds.tenths, cap - 1));
      break;
    }
    case Odds::Mark::Dashes:
      fill(f, index, '-');
      break;
    case Odds::Mark::Stars:
      fill(f, index, '*');
      break;
    case Odds::Mark::Blank:
      fill(f, index, ' ');
      break;
  }
}

void Record::write_rank(const Field& f, int index, Odds odds, int rank) {
  if (odds.mark == Odds::Mark::Value) {
    put_number(f, index, rank);
  } else {
    write_odds(f, index, odds);
  }
}

Record& Record::win(int horse, Odds odds, int rank) {
  need({Kind::O1}, "win");
  const Field& u = field("TansyoUmaban", horse);
  odds.mark == Odds::Mark::Blank ? fill(u, horse, ' ') : put_number(u, horse, horse);
  write_odds(field("TansyoOdds", horse), horse, odds);
  write_rank(field("TansyoNinki", horse), horse, odds, rank);
  return *this;
}

Record& Record::place(int horse, Odds low, Odds high, int rank) {
  need({Kind::O1}, "place");
  if (low.mark != Odds::Mark::Value) high = low;
  const Field& u = field("FukusyoUmaban", horse);
  low.mark == Odds::Mark::Blank ? fill(u, horse, ' ') : put_number(u, horse, horse);
  write_odds(field("FukusyoOddsLow", horse), horse, low);
  write_odds(field("FukusyoOddsHigh", horse), horse, high);
  write_rank(field("FukusyoNinki", horse), horse, low, rank);
  return *this;
}

Record& Record::bracket(int a, int b, Odds odds, int rank) {
  need({Kind::O1}, "bracket");
  const int k = entry_index(Kind::O1, {std::min(a, b), std::max(a, b)});
  if (k == 0) bad("no bracket pair " + std::to_string(a) + "-" + std::to_string(b));
  const Field& kumi = field("WakurenKumi", k);
  odds.mark == Odds::Mark::Blank ? fill(kumi, k, ' ')
                                 : put_kumi(kumi, k, combination(Kind::O1, k), 1);
  write_odds(field("WakurenOdds", k), k, odds);
  write_rank(field("WakurenNinki", k), k, odds, rank);
  return *this;
}

Record& Record::pair(int a, int b, Odds odds, int rank) {
  need({Kind::O2, Kind::O4}, "pair");
  if (kind_ == Kind::O2 && a > b) std::swap(a, b);
  const int k = entry_index(kind_, {a, b});
  if (k == 0) bad("no pair " + std::to_string(a) + "-" + std::to_string(b));
  return entry(k, odds, rank);
}

Record& Record::wide(int a, int b, Odds low, Odds high, int rank) {
  need({Kind::O3}, "wide");
  const int k = entry_index(Kind::O3, {std::min(a, b), std::max(a, b)});
  if (k == 0) bad("no pair " + std::to_string(a) + "-" + std::to_string(b));
  if (low.mark != Odds::Mark::Value) high = low;
  const Field& kumi = field("Kumi", k);
  low.mark == Odds::Mark::Blank ? fill(kumi, k, ' ')
                                : put_kumi(kumi, k, {std::min(a, b), std::max(a, b)}, 2);
  write_odds(field("OddsLow", k), k, low);
  write_odds(field("OddsHigh", k), k, high);
  write_rank(field("Ninki", k), k, low, rank);
  return *this;
}

Record& Record::triple(int a, int b, int c, Odds odds, int rank) {
  need({Kind::O5, Kind::O6}, "triple");
  std::vector<int> combo = {a, b, c};
  if (kind_ == Kind::O5) std::sort(combo.begin(), combo.end());
  const int k = entry_index(kind_, combo);
  if (k == 0) bad("no triple " + kumi_text(combo, 2));
  return entry(k, odds, rank);
}

Record& Record::entry(int k, Odds odds, int rank) {
  need({Kind::O2, Kind::O3, Kind::O4, Kind::O5, Kind::O6}, "entry");
  if (kind_ == Kind::O3) {
    const auto c = combination(Kind::O3, k);
    if (c.empty()) bad("no entry " + std::to_string(k));
    return wide(c[0], c[1], odds, odds, rank);
  }
  const Field& kumi = field("Kumi", k);
  odds.mark == Odds::Mark::Blank ? fill(kumi, k, ' ') : put_kumi(kumi, k, combination(kind_, k), 2);
  write_odds(field("Odds", k), k, odds);
  write_rank(field("Ninki", k), k, odds, rank);
  return *this;
}

Record& Record::announced(std::string_view mmddhhmm) {
  need({Kind::O1, Kind::O2, Kind::O3, Kind::O4, Kind::O5, Kind::O6, Kind::TC, Kind::WE},
       "announced");
  return set("HappyoTime", mmddhhmm);
}

Record& Record::pay(Bet bet, int k, std::initializer_list<int> combo, std::int64_t yen,
                    int popularity) {
  need({Kind::HR}, "pay");
  static constexpr std::array<std::string_view, 8> prefix = {
      "Tansyo", "Fukusyo", "Wakuren", "Umaren", "Wide", "Umatan", "Sanrenpuku", "Sanrentan"};
  const std::string p(prefix[static_cast<std::size_t>(bet)]);
  const std::vector<int> c(combo);
  if (bet == Bet::Win || bet == Bet::Place) {
    if (c.size() != 1) bad(p + " pays one horse");
    set(p + "Umaban", k, c[0]);
  } else {
    const std::size_t members = bet == Bet::Trio || bet == Bet::Trifecta ? 3 : 2;
    if (c.size() != members) bad(p + " pays " + std::to_string(members) + " numbers");
    set(p + "Kumi", k, kumi_text(c, bet == Bet::Bracket ? 1 : 2));
  }
  set(p + "Pay", k, yen);
  set(p + "Ninki", k, popularity);
  return *this;
}

Record& Record::predict(int horse, int time, int plus, int minus) {
  need({Kind::DM}, "predict");
  set("Umaban", horse, horse).set("DMTime", horse, time);
  set("DMGosaP", horse, plus).set("DMGosaM", horse, minus);
  return *this;
}

// ---- Builders ------------------------------------------------------------------------------

Record ra(const RaceKey& key, const RaceInfo& info) {
  Record r(Kind::RA, info.data_kind, info.make_date.empty() ? key.date() : info.make_date);
  r.set_key(key).set("YoubiCD", youbi(key.ymd()));
  if (!info.name.empty()) r.set("Hondai", info.name);
  r.set_raw("GradeCD", 1, std::string(1, info.grade));
  r.set("SyubetuCD", info.syubetu).set_raw("KigoCD", 1, "A03").set("JyuryoCD", 4);
  // The condition of each age group that runs, then the youngest age's condition.
  const int s = info.syubetu % 10;  // 1 二歳, 2 三歳, 3 三歳以上, 4 四歳以上 (8, 9 jumps)
  const bool from3 = s == 3 || s == 8;
  const bool from4 = s == 4 || s == 9;
  if (s == 1) r.set("JyokenCD", 1, info.joken);
  if (s == 2 || from3) r.set("JyokenCD", 2, info.joken);
  if (from3 || from4) r.set("JyokenCD", 3, info.joken).set("JyokenCD", 4, info.joken);
  r.set("JyokenCD", 5, info.joken);
  r.set("Kyori", info.distance).set("TrackCD", info.track);
  static constexpr std::array<int, 5> prize = {80000, 32000, 20000, 12000, 8000};
  for (int i = 0; i < 5; ++i) r.set("Honsyokin", i + 1, prize[static_cast<std::size_t>(i)]);
  r.set("HassoTime", info.start);
  r.set("TorokuTosu", info.runners).set("SyussoTosu", info.runners);
  return r;
}

Record se(const RaceKey& key, const RunnerInfo& info) {
  Record r(Kind::SE, info.data_kind, info.make_date.empty() ? key.date() : info.make_date);
  r.set_key(key).set("Wakuban", bracket_of(info.horse, info.runners)).set("Umaban", info.horse);
  if (info.pedigree.empty()) {
    r.set("KettoNum", 2022100000 + info.horse);
  } else {
    r.set("KettoNum", info.pedigree);
  }
  r.set("Bamei", info.name).set("SexCD", 1).set("HinsyuCD", 1).set("KeiroCD", 3);
  r.set("Barei", 4).set("TozaiCD", 1).set("ChokyosiCode", 1001);
  r.set("ChokyosiRyakusyo", info.trainer).set("Futan", 570).set("KisyuCode", 1001);
  r.set("KisyuRyakusyo", info.jockey).set("BaTaijyu", 480);
  r.set("KakuteiJyuni", info.finish).set("NyusenJyuni", info.finish);
  r.set("Ninki", info.popularity).set("Odds", info.odds_tenths);
  return r;
}

Record hr(const RaceKey& key, int runners, char data_kind) {
  Record r(Kind::HR, data_kind, key.date());
  r.set_key(key).set("TorokuTosu", runners).set("SyussoTosu", runners);
  return r;
}

Record odds(Kind kind, const RaceKey& key, int runners, char data_kind,
            std::string_view announced) {
  if (!is_odds(kind)) bad(std::string(kind_id(kind)) + " is not an odds record");
  Record r(kind, data_kind, key.date());
  r.set_key(key).set("TorokuTosu", runners).set("SyussoTosu", runners);
  if (!announced.empty()) r.announced(announced);
  if (kind == Kind::O1) {
    const bool brackets = runners > 8;
    r.set("TansyoFlag", 7).set("FukusyoFlag", 7).set("WakurenFlag", brackets ? 7 : 0);
    r.set("FukuChakuBaraiKey", runners >= 8 ? 3 : runners >= 5 ? 2 : 0);
    for (int h = 1; h <= runners && h <= 28; ++h) {
      r.win(h, Odds::zero()).place(h, Odds::zero(), Odds::zero());
    }
    if (brackets) {
      for (int k = 1; k <= 36; ++k) {
        const auto c = combination(Kind::O1, k);
        int size = 0;  // horses of the bracket, for a pair within one bracket
        for (int h = 1; h <= runners; ++h) size += bracket_of(h, runners) == c[0] ? 1 : 0;
        const bool shared = c[0] == c[1];
        if (!shared || size >= 2) r.bracket(c[0], c[1], Odds::zero());
      }
    }
    return r;
  }
  r.set(kind == Kind::O2   ? "UmarenFlag"
        : kind == Kind::O3 ? "WideFlag"
        : kind == Kind::O4 ? "UmatanFlag"
        : kind == Kind::O5 ? "SanrenpukuFlag"
                           : "SanrentanFlag",
        7);
  const int n = entry_count(kind);
  for (int k = 1; k <= n; ++k) {
    bool present = true;
    for (const int h : combination(kind, k)) present = present && h <= runners;
    if (present) r.entry(k, Odds::zero());
  }
  return r;
}

Record dm(const RaceKey& key, int runners, char data_kind, std::string_view make_hm) {
  Record r(Kind::DM, data_kind, key.date());
  r.set_key(key).set("MakeHM", make_hm);
  for (int h = 1; h <= runners && h <= 18; ++h) r.predict(h, 0, 0, 0);
  return r;
}

Record tc(const RaceKey& key, std::string_view announced, std::string_view new_hhmm,
          std::string_view old_hhmm) {
  Record r(Kind::TC, '1', key.date());
  r.set_key(key).announced(announced);
  r.set("AtoHassoTime", new_hhmm).set("MaeHassoTime", old_hhmm);
  return r;
}

Record we(const RaceKey& key, std::string_view announced, int change_id, Going now, Going before) {
  Record r(Kind::WE, '1', key.date());
  r.set_key(key).announced(announced).set("HenkoID", change_id);
  r.set("TenkoCD", now.weather).set("SibaBabaCD", now.turf).set("DirtBabaCD", now.dirt);
  r.set("TenkoCDBefore", before.weather).set("SibaBabaCDBefore", before.turf);
  r.set("DirtBabaCDBefore", before.dirt);
  return r;
}

Record um(std::string_view pedigree, std::string_view name) {
  Record r(Kind::UM, '1', "20261201");
  r.set("KettoNum", pedigree).set("Bamei", name);
  if (pedigree.size() >= 4) r.set("BirthDate", std::string(pedigree.substr(0, 4)) + "0401");
  return r;
}

}  // namespace rv::jvfeed
