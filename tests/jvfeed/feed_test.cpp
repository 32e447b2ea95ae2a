#include "jvfeed/feed.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "common/temp_dir.h"
#include "feed_reader.h"
#include "support/files.h"
#include "support/text.h"

namespace rv::jvfeed {
namespace {

namespace fs = std::filesystem;
using testing::all_of;
using testing::read_feed;
using testing::records_in;
using testing::sz;
using Feed = std::map<std::string, std::vector<std::string>>;

std::string key_of(std::string_view rec) {
  return std::string(fld(rec, 12, 16));
}

// Odds entries as the odds reader addresses them (1-based positions of entry 1).
struct OddsArray {
  int first;  // odds field of entry 1
  int len;
  int high;  // offset of the high field from the odds field, 0 when none
  int high_len;
  int rank;  // offset of the rank field from the odds field
  int rank_len;
  int stride;
  int count;
};
OddsArray win_array() {
  return {46, 4, 0, 0, 4, 2, 8, 28};
}
OddsArray place_array() {
  return {270, 4, 4, 4, 8, 2, 12, 28};
}
OddsArray bracket_array() {
  return {606, 5, 0, 0, 5, 2, 9, 36};
}
OddsArray combo_array(Kind k) {
  switch (k) {
    case Kind::O2:
      return {45, 6, 0, 0, 6, 3, 13, 153};
    case Kind::O3:
      return {45, 5, 5, 5, 10, 3, 17, 153};
    case Kind::O4:
      return {45, 6, 0, 0, 6, 3, 13, 306};
    case Kind::O5:
      return {47, 6, 0, 0, 6, 3, 15, 816};
    default:
      return {47, 7, 0, 0, 7, 4, 17, 4896};
  }
}
std::string_view odds_at(std::string_view rec, const OddsArray& a, int i) {
  return fld(rec, sz(a.first + a.stride * (i - 1)), sz(a.len));
}
std::string_view high_at(std::string_view rec, const OddsArray& a, int i) {
  return a.high == 0 ? odds_at(rec, a, i)
                     : fld(rec, sz(a.first + a.high + a.stride * (i - 1)), sz(a.high_len));
}
std::string_view rank_at(std::string_view rec, const OddsArray& a, int i) {
  return fld(rec, sz(a.first + a.rank + a.stride * (i - 1)), sz(a.rank_len));
}

class GeneratedWeekend : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new rv::testing::TempDir();
    FeedOptions o = testing::weekend(dir_->path() / "jvfeed");
    o.plan.edge_rate = 0.4;
    o.realtime_all = true;
    o.viewer = dir_->path() / "viewer";
    summary_ = new FeedSummary(write_feed(o));
    feed_ = new Feed(read_feed(dir_->path() / "jvfeed"));
  }
  static void TearDownTestSuite() {
    delete feed_;
    delete summary_;
    delete dir_;
  }
  static const Feed& feed() { return *feed_; }
  static const fs::path& dir() { return dir_->path(); }

 private:
  static rv::testing::TempDir* dir_;
  static FeedSummary* summary_;
  static Feed* feed_;
};
rv::testing::TempDir* GeneratedWeekend::dir_ = nullptr;
FeedSummary* GeneratedWeekend::summary_ = nullptr;
Feed* GeneratedWeekend::feed_ = nullptr;

bool valid_date(std::string_view s) {
  if (!all_digits(s) || s.size() != 8) return false;
  const int m = inum(s.substr(4, 2));
  const int d = inum(s.substr(6, 2));
  return m >= 1 && m <= 12 && d >= 1 && d <= 31;
}

// Numbers where the format has numbers, markers and blanks only in odds and payout entries.
void check_fields(const std::string& rec, Kind kind, const std::string& where) {
  for (const auto& f : fields(kind)) {
    for (int i = 1; i <= f.count; ++i) {
      const auto v = fld(rec, sz(f.pos + (i - 1) * f.stride), sz(f.len));
      const std::string what = where + " " + std::string(f.name) + "[" + std::to_string(i) + "]='" +
                               std::string(v) + "'";
      if (f.type == FieldType::Num) {
        const bool special =
            (f.name == "TimeDiff" && (v[0] == '+' || v[0] == '-') && all_digits(v.substr(1))) ||
            (f.name == "JyoCD" && fld(rec, 3, 1) == "B");
        ASSERT_TRUE(all_digits(v) || special) << what;
      } else if (f.type == FieldType::Entry) {
        ASSERT_TRUE(all_digits(v) || is_blank(v) || all_of(v, '-') || all_of(v, '*')) << what;
      }
    }
  }
}

TEST_F(GeneratedWeekend, EveryRecordHasItsLengthAndReadsBackThroughTheFieldReaders) {
  const std::map<Kind, std::string> data_kinds = {{Kind::RA, "1267AB"}, {Kind::SE, "1267A"},
                                                  {Kind::HR, "12"},     {Kind::DM, "27"},
                                                  {Kind::TC, "1"},      {Kind::WE, "1"}};
  std::size_t count = 0;
  for (const auto& [name, recs] : feed()) {
    if (name.rfind("viewer", 0) == 0) continue;
    for (const auto& rec : recs) {
      ++count;
      const auto kind = kind_of(fld(rec, 1, 2));
      ASSERT_TRUE(kind.has_value()) << name;
      ASSERT_EQ(rec.size(), record_length(*kind)) << name;
      ASSERT_EQ(rec.substr(rec.size() - 2), "\r\n");
      const std::string dk(fld(rec, 3, 1));
      const auto allowed = data_kinds.count(*kind) ? data_kinds.at(*kind) : std::string("14590");
      ASSERT_NE(allowed.find(dk), std::string::npos) << name << " " << rec.substr(0, 27);
      ASSERT_TRUE(valid_date(fld(rec, 4, 8))) << name;
      ASSERT_TRUE(valid_date(fld(rec, 12, 8))) << name;
      check_fields(rec, *kind, name);
      if (*kind == Kind::WE) continue;
      const int race = inum(fld(rec, 26, 2));
      ASSERT_TRUE(race >= 1 && race <= 12) << name;
      if (*kind == Kind::RA) {
        const int registered = inum(fld(rec, 882, 2));
        const bool early = name.find("CARD1") != std::string::npos;
        EXPECT_TRUE((registered >= 5 && registered <= 18) ||
                    (early && (registered == 0 || registered == 19)))
            << name << " " << registered;
        EXPECT_LE(inum(fld(rec, 884, 2)), registered);
      }
      if (*kind == Kind::SE) {
        const int horse = inum(fld(rec, 29, 2));
        EXPECT_TRUE(dk == "1" ? horse == 0 : horse >= 1 && horse <= 18) << name;
        EXPECT_TRUE(all_digits(fld(rec, 31, 10)));
      }
      if (*kind >= Kind::O1 && *kind <= Kind::O6) {
        // Intermediate odds carry their announcement time, final ones zeros.
        const auto t = fld(rec, 28, 8);
        EXPECT_EQ(dk == "1", t != "00000000") << name;
      }
    }
  }
  EXPECT_GT(count, 1000u);
}

// The final odds of the races of a day: key -> kind -> record.
std::map<std::string, std::map<Kind, std::string>> final_odds(const Feed& feed,
                                                              std::string_view date) {
  std::map<std::string, std::map<Kind, std::string>> out;
  for (const auto& rec : records_in(feed, std::string("_ODDS_") + std::string(date))) {
    if (fld(rec, 3, 1) == "4") out[key_of(rec)][*kind_of(fld(rec, 1, 2))] = rec;
  }
  return out;
}

int tenths(std::string_view field) {
  return inum(field);
}

// The filled entries of a single-horse payout block of an HR record: `count` entries of 13
// bytes from byte `pos`, each with the horse it pays.
std::vector<std::pair<int, std::string_view>> paid_horses(std::string_view hr, int pos, int count) {
  std::vector<std::pair<int, std::string_view>> out;
  for (int k = 0; k < count; ++k) {
    const auto e = fld(hr, sz(pos + 13 * k), 13);
    if (!is_blank(e)) out.emplace_back(inum(e.substr(0, 2)), e);
  }
  return out;
}

TEST_F(GeneratedWeekend, PayoutsFollowTheFinishAndTheFinalOdds) {
  int races = 0;
  for (const std::string date : {"20261205", "20261206"}) {
    const auto odds = final_odds(feed(), date);
    std::map<std::string, std::map<int, int>> finish;  // key -> horse -> position
    for (const auto& se : records_in(feed(), "_RESULT_" + date)) {
      if (fld(se, 1, 2) != "SE") continue;
      const int h = inum(fld(se, 29, 2));
      finish[key_of(se)][h] = inum(fld(se, 335, 2));
      // The card's final odds and popularity are the market's at the close.
      const auto& o1 = odds.at(key_of(se)).at(Kind::O1);
      if (inum(fld(se, 332, 1)) == 0) {
        EXPECT_EQ(fld(se, 360, 4), odds_at(o1, win_array(), h)) << key_of(se);
        EXPECT_EQ(fld(se, 364, 2), rank_at(o1, win_array(), h));
      }
    }
    for (const auto& hr : records_in(feed(), "_PAYOUT_" + date)) {
      ++races;
      const std::string key = key_of(hr);
      SCOPED_TRACE(key);
      const auto& pos = finish.at(key);
      const auto& o = odds.at(key);
      const auto at = [&](int h) { return pos.count(h) ? pos.at(h) : 0; };
      const int paid = inum(fld(o.at(Kind::O1), 43, 1));

      std::set<int> winners;
      std::set<int> placed;
      for (const auto& [h, p] : pos) {
        if (p == 1) winners.insert(h);
        if (p >= 1 && p <= paid) placed.insert(h);
      }
      std::set<int> paid_win;
      for (const auto& [h, e] : paid_horses(hr, 103, 3)) {
        paid_win.insert(h);
        EXPECT_EQ(num(e.substr(2, 9)), tenths(odds_at(o.at(Kind::O1), win_array(), h)) * 10);
        EXPECT_EQ(e.substr(11, 2), rank_at(o.at(Kind::O1), win_array(), h));
      }
      EXPECT_EQ(paid_win, winners);
      std::set<int> paid_place;
      for (const auto& [h, e] : paid_horses(hr, 142, 5)) {
        paid_place.insert(h);
        const auto y = num(e.substr(2, 9));
        EXPECT_GE(y, tenths(odds_at(o.at(Kind::O1), place_array(), h)) * 10);
        EXPECT_LE(y, tenths(high_at(o.at(Kind::O1), place_array(), h)) * 10);
        EXPECT_EQ(e.substr(11, 2), rank_at(o.at(Kind::O1), place_array(), h));
      }
      EXPECT_EQ(paid_place, placed);

      // Combinations: horses in the right places, paid at their final odds.
      struct Group {
        Kind kind;
        int first, width, count, members, digits, rank_len;
        bool ordered;
        int places;
      };
      const Group groups[] = {{Kind::O2, 246, 16, 3, 2, 2, 3, false, 2},
                              {Kind::O3, 294, 16, 7, 2, 2, 3, false, 3},
                              {Kind::O4, 454, 16, 6, 2, 2, 3, true, 2},
                              {Kind::O5, 550, 18, 3, 3, 2, 3, false, 3},
                              {Kind::O6, 604, 19, 6, 3, 2, 4, true, 3}};
      for (const auto& g : groups) {
        int entries = 0;
        for (int k = 0; k < g.count; ++k) {
          const auto e = fld(hr, sz(g.first + g.width * k), sz(g.width));
          if (is_blank(e)) continue;
          ++entries;
          std::vector<int> c;
          c.reserve(sz(g.members));
          for (int m = 0; m < g.members; ++m) c.push_back(inum(e.substr(sz(2 * m), 2)));
          for (std::size_t m = 0; m < c.size(); ++m) {
            EXPECT_GE(at(c[m]), 1);
            EXPECT_LE(at(c[m]), g.places) << "combination " << e;
            if (g.ordered && m > 0) {
              EXPECT_LE(at(c[m - 1]), at(c[m]));
            }
          }
          const int i = entry_index(g.kind, c);
          ASSERT_GT(i, 0) << e;
          const auto arr = combo_array(g.kind);
          const auto y = num(e.substr(sz(2 * g.members), 9));
          EXPECT_GE(y, tenths(odds_at(o.at(g.kind), arr, i)) * 10);
          EXPECT_LE(y, tenths(high_at(o.at(g.kind), arr, i)) * 10);
          EXPECT_EQ(e.substr(sz(2 * g.members + 9)), rank_at(o.at(g.kind), arr, i));
        }
        if (g.kind != Kind::O3 || paid == 3) {
          EXPECT_GE(entries, 1) << kind_id(g.kind);
        }
      }
      // Bracket quinella: the brackets of the first two, when it was sold.
      const auto b = fld(hr, 207, 13);
      if (inum(fld(o.at(Kind::O1), 42, 1)) == 7) {
        ASSERT_FALSE(is_blank(b));
        const int runners = inum(fld(hr, 28, 2));
        std::set<int> top;
        for (const auto& [h, p] : pos) {
          if (p >= 1 && p <= 2) top.insert(bracket_of(h, runners));
        }
        EXPECT_TRUE(top.count(inum(b.substr(0, 1))) && top.count(inum(b.substr(1, 1)))) << b;
        const int i = entry_index(Kind::O1, {inum(b.substr(0, 1)), inum(b.substr(1, 1))});
        EXPECT_EQ(num(b.substr(2, 9)), tenths(odds_at(o.at(Kind::O1), bracket_array(), i)) * 10);
      } else {
        EXPECT_TRUE(is_blank(b));
      }
    }
  }
  // Every race that ran has its payouts: four races a venue, two or three venues a day.
  const auto results = records_in(feed(), "_RESULT_");
  EXPECT_EQ(races, std::count_if(results.begin(), results.end(),
                                 [](const std::string& r) { return r[0] == 'R'; }));
  EXPECT_GE(races, 16);
}

// Ranks 1..m over the entries with a value, in odds order; markers and blanks in step.
void check_ranks(std::string_view rec, const OddsArray& a, bool win, const std::string& where) {
  std::vector<std::tuple<int, int, int, int>> ranked;  // rank, odds, tie, index
  for (int i = 1; i <= a.count; ++i) {
    const auto odds = odds_at(rec, a, i);
    const auto rank = rank_at(rec, a, i);
    if (is_blank(odds)) {
      EXPECT_TRUE(is_blank(rank)) << where;
      continue;
    }
    if (all_of(odds, '-') || all_of(odds, '*')) {
      EXPECT_TRUE(all_of(rank, odds[0])) << where;
      continue;
    }
    ASSERT_TRUE(all_digits(odds) && all_digits(rank)) << where;
    if (num(odds) == 0) continue;
    const int tie = win      ? inum(odds_at(rec, place_array(), i))
                    : a.high ? inum(high_at(rec, a, i))
                             : 0;
    ranked.emplace_back(inum(rank), inum(odds), tie, i);
  }
  std::sort(ranked.begin(), ranked.end());
  for (std::size_t r = 0; r < ranked.size(); ++r) {
    ASSERT_EQ(std::get<0>(ranked[r]), static_cast<int>(r) + 1) << where;
    if (r == 0) continue;
    const auto& p = ranked[r - 1];
    const auto& q = ranked[r];
    EXPECT_LT(std::make_tuple(std::get<1>(p), std::get<2>(p), std::get<3>(p)),
              std::make_tuple(std::get<1>(q), std::get<2>(q), std::get<3>(q)))
        << where << " rank " << r + 1;
  }
}

TEST_F(GeneratedWeekend, PopularityRanksFollowTheOddsInEveryAnnouncement) {
  int records = 0;
  for (const auto& [name, recs] : feed()) {
    if (name.rfind("viewer", 0) == 0) continue;
    for (const auto& rec : recs) {
      const auto kind = *kind_of(fld(rec, 1, 2));
      if (kind < Kind::O1 || kind > Kind::O6 || fld(rec, 3, 1) == "0" || fld(rec, 3, 1) == "9")
        continue;
      ++records;
      const std::string where = name + " " + key_of(rec) + " " + std::string(kind_id(kind));
      if (kind == Kind::O1) {
        check_ranks(rec, win_array(), true, where + " win");
        check_ranks(rec, place_array(), false, where + " place");
        check_ranks(rec, bracket_array(), false, where + " bracket");
      } else {
        check_ranks(rec, combo_array(kind), false, where);
      }
    }
  }
  EXPECT_GT(records, 300);
}

TEST_F(GeneratedWeekend, TheViewerFolderHoldsOneLinePerAnnouncement) {
  // The first race of Sunday's first venue.
  std::string key;
  for (const auto& [name, recs] : feed()) {
    if (name.rfind("0B30/20261206", 0) == 0 && key.empty()) key = name.substr(5, 16);
  }
  ASSERT_FALSE(key.empty());
  const auto o1 = records_in(feed(), "0B30/" + key);
  int announcements = 0;
  for (const auto& r : o1) announcements += fld(r, 1, 2) == "O1" && fld(r, 3, 1) == "1" ? 1 : 0;
  ASSERT_GT(announcements, 0);
  for (const std::string kind : {"O1", "O2", "O3", "O4", "O5", "O6"}) {
    const auto lines = split_lines(
        rv::testing::slurp(dir() / "viewer" / "20261206" / (key.substr(8) + ".jv" + kind)));
    ASSERT_EQ(static_cast<int>(lines.size()), announcements) << kind;
    for (const auto& l : lines) {
      EXPECT_EQ(l.size(), record_length(*kind_of(kind)) - 2);
      EXPECT_EQ(fld(l, 12, 16), key);
    }
  }
}

TEST(GeneratedFeeds, TheSameSeedGivesTheSameBytesAndAnotherSeedOthers) {
  rv::testing::TempDir a;
  rv::testing::TempDir b;
  rv::testing::TempDir c;
  auto o = testing::weekend(a.path(), 5);
  o.plan.venues = 1;
  o.plan.races = 2;
  o.plan.edge_rate = 0.5;
  o.days.resize(1);
  write_feed(o);
  o.out = b.path();
  write_feed(o);
  o.out = c.path();
  o.plan.seed = 6;
  write_feed(o);
  const auto fa = testing::feed_bytes(a.path());
  EXPECT_EQ(fa, testing::feed_bytes(b.path()));
  EXPECT_NE(fa, testing::feed_bytes(c.path()));
  // A fingerprint of the bytes: a change here means feeds differ between builds or
  // platforms (or the generator was changed on purpose, and this value with it).
  std::uint64_t h = 1469598103934665603ULL;
  for (const auto& [name, bytes] : fa) {
    for (const char ch : name + bytes) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
  }
  EXPECT_EQ(h, 14238705762058786093ULL) << "fingerprint";
}

}  // namespace
}  // namespace rv::jvfeed
