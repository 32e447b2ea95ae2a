// Builders of complete JV-Data records for the sample-feed generator and for tests.
//
// A Record is the Shift-JIS byte image of one record, exactly as JV-Link delivers it: its
// full length, CR LF at the end, every field initialised as the format does it (numeric
// fields "0...0", half-width text spaces, full-width text 0x8140). Fields are written by
// their JV-Data names ("HassoTime", "TorokuTosu", "Odds" ...), arrays by a 1-based index.
//
//   auto ra = jvfeed::ra(jvfeed::key(20261206, 6, 11), {.runners = 16, .start = "1540"});
//   auto o1 = jvfeed::o1(key, 16).win(1, 3.4, 1).win(2, jvfeed::Odds::stars());
//   auto hr = jvfeed::hr(key, 16).pay(jvfeed::Bet::Trio, 1, {1, 5, 9}, 12340, 27);
//   ra.set("GradeCD", "A").set("Hondai", "有馬記念");
//
// Text values are UTF-8 and converted to Shift-JIS; set_raw() takes bytes as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "jvdata/layouts.h"

namespace rv::jvfeed {

using Kind = jv::Kind;
using jv::kAllKinds;

// Record length in bytes, CR LF included (RA 1272 ... UM 1577).
std::size_t record_length(Kind kind);
// The two-letter record id ("RA").
std::string_view kind_id(Kind kind);
// The kind of a record id; nullopt for ids this library does not build.
using jv::kind_of;

// A field's position, width, entries and how it starts out (FieldType::Num "0...0", Entry
// blank digits, Text spaces, Wide full-width spaces).
using Field = jv::Field;
using FieldType = jv::FieldType;

// Every field of a record kind that this library knows, in record order.
std::span<const Field> fields(Kind kind);
using jv::find_field;

// Race identity: bytes 12-27 of every race record.
struct RaceKey {
  int year = 2026;
  int month = 12;
  int day = 6;
  int venue = 6;  // JyoCD
  int kaiji = 5;
  int nichiji = 2;
  int race = 11;

  [[nodiscard]] std::string text() const;  // 16 digits
  [[nodiscard]] std::string date() const;  // yyyymmdd
  [[nodiscard]] int ymd() const { return year * 10000 + month * 100 + day; }
  // The 16 digits of a record's bytes 12-27; nullopt unless they are all digits.
  static std::optional<RaceKey> parse(std::string_view sixteen);
  friend bool operator==(const RaceKey&, const RaceKey&) = default;
};

// A race key from a date number, a venue code and a race number.
RaceKey key(int ymd, int venue, int race, int kaiji = 5, int nichiji = 2);

// An odds field: a value in tenths, or one of the markers of the format.
struct Odds {
  enum class Mark { Value, Dashes, Stars, Blank };
  Mark mark = Mark::Value;
  std::int64_t tenths = 0;  // 0 = no votes ("0...0")

  Odds() = default;
  Odds(double value);  // NOLINT: 3.4 reads better than Odds::of(3.4) in a test
  static Odds of_tenths(std::int64_t t);
  static Odds zero() { return {}; }
  static Odds dashes();  // withdrawn before sale
  static Odds stars();   // withdrawn after sale
  static Odds blank();   // no such horse or combination
  friend bool operator==(const Odds&, const Odds&) = default;
};

// The eight bet types in their fixed order.
enum class Bet { Win, Place, Bracket, Quinella, Wide, Exacta, Trio, Trifecta };

// Bracket (1..8) of a horse number in a field of `runners` horses, as the JRA draws them:
// one horse a bracket up to 8 runners, beyond that the last brackets take the extra horses.
int bracket_of(int horse, int runners);

// Horses (or brackets) of the 1-based combination index of an odds record's entry, in the
// record's order; the inverse is the entry index of a combination (0 when there is none).
std::vector<int> combination(Kind odds_kind, int index);
int entry_index(Kind odds_kind, const std::vector<int>& combo);
// Number of entries of the array that carries the combinations (O1: brackets, 36).
int entry_count(Kind odds_kind);

class Record {
 public:
  // A fresh record: id, data kind and creation date (yyyymmdd) written, the rest at its
  // initial value.
  Record(Kind kind, char data_kind, std::string_view make_date);

  [[nodiscard]] Kind kind() const { return kind_; }
  [[nodiscard]] const std::string& str() const { return bytes_; }
  operator std::string_view() const { return bytes_; }  // NOLINT
  // The record as a day-file line: without its CR LF.
  [[nodiscard]] std::string line() const { return bytes_.substr(0, bytes_.size() - 2); }
  [[nodiscard]] std::string_view get(std::string_view field, int index = 1) const;

  // Numbers are written zero-padded to the field's width. Text goes in as it is, padded
  // with the field's blank; a number in digits shorter than a numeric field is zero-padded.
  // Unknown names, bad indexes and values that do not fit throw std::invalid_argument.
  Record& set(std::string_view field, std::int64_t number);
  Record& set(std::string_view field, int index, std::int64_t number);
  Record& set(std::string_view field, int number) { return set(field, std::int64_t{number}); }
  Record& set(std::string_view field, int index, int number) {
    return set(field, index, std::int64_t{number});
  }
  Record& set(std::string_view field, std::string_view utf8);
  Record& set(std::string_view field, int index, std::string_view utf8);
  Record& set(std::string_view field, const char* utf8) {
    return set(field, std::string_view(utf8));
  }
  Record& set(std::string_view field, int index, const char* utf8) {
    return set(field, index, std::string_view(utf8));
  }
  Record& set_raw(std::string_view field, int index, std::string_view sjis);
  // Bytes 12-27 (or 12-25 for WE, which has no race number).
  Record& set_key(const RaceKey& key);
  [[nodiscard]] RaceKey race_key() const;
  Record& set_data_kind(char data_kind);

  // Odds entries (O1..O6). The popularity field carries the marker of the odds field;
  // rank 0 with a value leaves it "0...0".
  Record& win(int horse, Odds odds, int rank = 0);
  Record& place(int horse, Odds low, Odds high, int rank = 0);
  Record& bracket(int a, int b, Odds odds, int rank = 0);
  // O2 quinella (a < b), O4 exacta (a before b).
  Record& pair(int a, int b, Odds odds, int rank = 0);
  Record& wide(int a, int b, Odds low, Odds high, int rank = 0);
  // O5 trio (any order), O6 trifecta (in finishing order).
  Record& triple(int a, int b, int c, Odds odds, int rank = 0);
  // Entry by its 1-based index (O2..O6; for O3 low = high = odds).
  Record& entry(int index, Odds odds, int rank = 0);
  // Announcement time MMDDhhmm of an odds, TC or WE record.
  Record& announced(std::string_view mmddhhmm);

  // Payout entry k (1-based) of an HR record; combo holds horses (brackets for Bracket).
  Record& pay(Bet bet, int k, std::initializer_list<int> combo, std::int64_t yen, int popularity);
  // Data-mining prediction of a horse (DM): time m ss hh, errors ss hh.
  Record& predict(int horse, int time, int plus, int minus);

 private:
  const Field& field(std::string_view name, int index) const;
  void write(const Field& f, int index, std::string_view text);
  void fill(const Field& f, int index, char c);
  void put_number(const Field& f, int index, std::int64_t n);
  void put_kumi(const Field& f, int index, const std::vector<int>& combo, int width_each);
  void write_odds(const Field& f, int index, Odds odds);
  void write_rank(const Field& f, int index, Odds odds, int rank);
  void need(std::initializer_list<Kind> kinds, const char* what) const;

  Kind kind_;
  std::string bytes_;
};

// ---- Builders with sensible defaults ----------------------------------------------------

// An RA race: designated initialisers pick what matters, the rest is a plain race.
struct RaceInfo {
  char data_kind = '2';
  int runners = 16;                 // registered and starting horses
  std::string_view start = "1540";  // hhmm
  int distance = 2000;
  int track = 17;  // 芝 右回り
  char grade = ' ';
  int syubetu = 13;                 // サラ系３歳以上
  int joken = 5;                    // youngest-age condition (１勝クラス)
  std::string_view name = {};       // UTF-8; blank for an unnamed race
  std::string_view make_date = {};  // default: the meeting date
};
Record ra(const RaceKey& key, const RaceInfo& info = {});

// An SE runner: horse number and the card fields; results stay at their initial values
// unless given.
struct RunnerInfo {
  char data_kind = '2';
  int horse = 1;
  int runners = 16;  // for the bracket
  std::string_view name = "サンプルホース";
  std::string_view pedigree = {};  // 10 digits; default 2022 + horse number
  std::string_view jockey = "騎手";
  std::string_view trainer = "調教師";
  int finish = 0;       // KakuteiJyuni
  int popularity = 0;   // Ninki
  int odds_tenths = 0;  // final win odds
  std::string_view make_date = {};
};
Record se(const RaceKey& key, const RunnerInfo& info = {});

// An HR record with no payouts yet (entries blank); pay() fills them.
Record hr(const RaceKey& key, int runners = 16, char data_kind = '2');

// An odds record (O1..O6) of a race with `runners` horses: the entries of existing horses
// and combinations carry their horse number or combination and no votes; the others are
// blank. announced is MMDDhhmm for intermediate odds (data kind '1').
Record odds(Kind kind, const RaceKey& key, int runners = 16, char data_kind = '4',
            std::string_view announced = {});
inline Record o1(const RaceKey& k, int runners = 16, char dk = '4') {
  return odds(Kind::O1, k, runners, dk);
}
inline Record o2(const RaceKey& k, int runners = 16, char dk = '4') {
  return odds(Kind::O2, k, runners, dk);
}
inline Record o3(const RaceKey& k, int runners = 16, char dk = '4') {
  return odds(Kind::O3, k, runners, dk);
}
inline Record o4(const RaceKey& k, int runners = 16, char dk = '4') {
  return odds(Kind::O4, k, runners, dk);
}
inline Record o5(const RaceKey& k, int runners = 16, char dk = '4') {
  return odds(Kind::O5, k, runners, dk);
}
inline Record o6(const RaceKey& k, int runners = 16, char dk = '4') {
  return odds(Kind::O6, k, runners, dk);
}

// Data-mining predictions of a race; predict() fills the horses.
Record dm(const RaceKey& key, int runners = 16, char data_kind = '2',
          std::string_view make_hm = "0900");
// A start-time change announced at MMDDhhmm.
Record tc(const RaceKey& key, std::string_view announced, std::string_view new_hhmm,
          std::string_view old_hhmm);
// A weather and going announcement of a venue's day (the key's race number is not used).
struct Going {
  int weather = 1;  // TenkoCD
  int turf = 1;     // SibaBabaCD
  int dirt = 1;     // DirtBabaCD
};
Record we(const RaceKey& key, std::string_view announced, int change_id, Going now,
          Going before = {0, 0, 0});
// A horse master record.
Record um(std::string_view pedigree, std::string_view name = "サンプルホース");

// Full-width text of exactly `bytes` bytes: the Shift-JIS of utf8 padded with 0x8140.
std::string wide_text(std::string_view utf8, std::size_t bytes);

}  // namespace rv::jvfeed
