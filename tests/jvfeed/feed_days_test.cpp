#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "acquire/jvlink_sim.h"
#include "common/temp_dir.h"
#include "feed_reader.h"
#include "jvdata/layouts.h"
#include "jvfeed/feed.h"
#include "support/text.h"

namespace rv::jvfeed {
namespace {

namespace fs = std::filesystem;
using testing::all_of;
using testing::read_feed;
using testing::records_in;
using testing::sz;

std::set<std::string> names_in(const fs::path& dir) {
  std::set<std::string> out;
  if (!fs::exists(dir)) return out;
  for (const auto& e : fs::directory_iterator(dir)) out.insert(e.path().filename().string());
  return out;
}

std::set<std::string> data_kinds(const std::vector<std::string>& recs, std::string_view id) {
  std::set<std::string> out;
  for (const auto& r : recs) {
    if (fld(r, 1, 2) == id) out.insert(std::string(fld(r, 3, 1)));
  }
  return out;
}

TEST(FeedDays, DaysAheadHaveCardsAndNothingElse) {
  rv::testing::TempDir dir;
  auto o = testing::weekend(dir.path());
  o.plan.venues = 1;
  o.now = DateTime{2026, 12, 3, 12};  // Thursday noon: only the early cards could exist
  write_feed(o);
  auto race = names_in(dir.path() / "RACE");
  ASSERT_EQ(race.size(), 2u);
  for (const auto& n : race) EXPECT_NE(n.find("_CARD1_"), std::string::npos) << n;
  auto feed = read_feed(dir.path());
  EXPECT_EQ(data_kinds(records_in(feed, "RACE"), "RA"), std::set<std::string>{"1"});
  EXPECT_FALSE(fs::exists(dir.path() / "0B30"));
  // The stamps never lie in the future of the moment the feed describes.
  for (const auto& n : race) EXPECT_LE(n.substr(0, 14), "20261203120000");

  rv::testing::TempDir friday;
  o.out = friday.path();
  o.now = DateTime{2026, 12, 4, 12};
  write_feed(o);
  race = names_in(friday.path() / "RACE");
  EXPECT_EQ(race.size(), 4u);
  feed = read_feed(friday.path());
  EXPECT_EQ(data_kinds(records_in(feed, "RACE"), "RA"), (std::set<std::string>{"1", "2"}));
  EXPECT_EQ(data_kinds(records_in(feed, "RACE"), "SE"), (std::set<std::string>{"1", "2"}));
  EXPECT_TRUE(records_in(feed, "_ODDS_").empty());
  EXPECT_TRUE(records_in(feed, "_PAYOUT_").empty());
}

TEST(FeedDays, TodaysOddsAreAnnouncedThroughTheMorningUpToEachStart) {
  rv::testing::TempDir dir;
  auto o = testing::weekend(dir.path());
  o.plan.venues = 2;
  o.plan.races = 6;
  o.plan.min_runners = o.plan.max_runners = 5;
  o.plan.announcements = 4;
  o.now = DateTime{2026, 12, 6, 10, 30};
  write_feed(o);
  const auto feed = read_feed(dir.path());
  // Saturday is over: its odds are in; its results come on Monday. Sunday races today.
  EXPECT_FALSE(records_in(feed, "_ODDS_20261205").empty());
  EXPECT_TRUE(records_in(feed, "_RESULT_").empty());
  EXPECT_TRUE(records_in(feed, "_ODDS_20261206").empty());
  EXPECT_EQ(data_kinds(records_in(feed, "CARD2_20261206"), "RA"), std::set<std::string>{"2"});

  std::map<std::string, std::string> start;
  for (const auto& ra : records_in(feed, "CARD2_20261206")) {
    if (fld(ra, 1, 2) == "RA") start[std::string(fld(ra, 12, 16))] = std::string(fld(ra, 874, 4));
  }
  for (const auto& tc : records_in(feed, "0B14/20261206")) {
    if (fld(tc, 1, 2) == "TC") start[std::string(fld(tc, 12, 16))] = std::string(fld(tc, 36, 4));
  }
  ASSERT_EQ(start.size(), 12u);
  EXPECT_EQ(names_in(dir.path() / "0B30").size(), 12u);
  for (const auto& [key, hhmm] : start) {
    SCOPED_TRACE(key);
    std::vector<std::string> times;
    for (const auto& r : records_in(feed, "0B30/" + key)) {
      EXPECT_EQ(fld(r, 12, 16), key);
      EXPECT_EQ(fld(r, 3, 1), "1");
      if (fld(r, 1, 2) == "O1") times.emplace_back(fld(r, 28, 8));
    }
    ASSERT_GE(times.size(), 3u);
    EXPECT_TRUE(std::is_sorted(times.begin(), times.end()));
    EXPECT_EQ(std::set<std::string>(times.begin(), times.end()).size(), times.size());
    for (const auto& t : times) {
      if (t.substr(0, 4) == "1205") continue;  // sold from the evening before
      EXPECT_EQ(t.substr(0, 4), "1206");
      EXPECT_GE(t.substr(4), "0900");
      EXPECT_LT(t.substr(4), hhmm);
    }
    const int start_minute = inum(hhmm.substr(0, 2)) * 60 + inum(hhmm.substr(2));
    const int last_minute = inum(times.back().substr(4, 2)) * 60 + inum(times.back().substr(6));
    EXPECT_GE(last_minute, start_minute - 10);
  }
  const auto changes = records_in(feed, "0B14/20261206");
  EXPECT_GE(std::count_if(changes.begin(), changes.end(),
                          [](const std::string& r) { return r[0] == 'W'; }),
            2);
  EXPECT_EQ(data_kinds(records_in(feed, "0B13/20261206"), "DM"), std::set<std::string>{"2"});
  EXPECT_EQ(data_kinds(records_in(feed, "0B12/20261206"), "HR"), std::set<std::string>{"1"});
}

// Whatever the seed, today's meeting has a going change and a late start to announce during
// the day, and every race several odds announcements and its results.
TEST(FeedDays, TodayHasAGoingChangeALateStartAndSeveralAnnouncementsPerRace) {
  for (const std::uint64_t seed : {1, 2, 3, 4}) {
    SCOPED_TRACE(seed);
    rv::testing::TempDir dir;
    auto o = testing::weekend(dir.path(), seed);
    o.plan.venues = 1;
    o.plan.races = 6;
    o.plan.announcements = 5;
    o.now = DateTime{2026, 12, 6, 8, 0};
    write_feed(o);
    const auto feed = read_feed(dir.path());

    const auto results = records_in(feed, "0B12/20261206");
    std::string last_start;
    for (const auto& r : results) {
      if (jv::field(r, jv::rec::RecordSpec) == "RA") last_start = jv::field(r, jv::ra::HassoTime);
    }
    int going_changes = 0;
    int late_starts = 0;
    for (const auto& r : records_in(feed, "0B14/20261206")) {
      if (jv::field(r, jv::rec::RecordSpec) == "WE" && jv::field(r, jv::we::HenkoID) == "2") {
        ++going_changes;
        EXPECT_LT(jv::field(r, jv::we::HappyoTime).substr(4), last_start);
        EXPECT_NE(jv::field(r, jv::we::SibaBabaCD), jv::field(r, jv::we::SibaBabaCDBefore));
      } else if (jv::field(r, jv::rec::RecordSpec) == "TC") {
        ++late_starts;
        EXPECT_LT(jv::field(r, jv::tc::HappyoTime).substr(4), jv::field(r, jv::tc::MaeHassoTime));
      }
    }
    EXPECT_GE(going_changes, 1);
    EXPECT_GE(late_starts, 1);

    const auto races = names_in(dir.path() / "0B30");
    EXPECT_EQ(races.size(), 6U);
    for (const auto& name : races) {
      std::set<std::string> times;
      for (const auto& r : records_in(feed, "0B30/" + name)) {
        times.emplace(jv::field(r, jv::odds::HappyoTime));
      }
      EXPECT_GE(times.size(), 4U) << name;
    }
    EXPECT_EQ(std::count_if(results.begin(), results.end(),
                            [](const std::string& r) { return r.starts_with("RA"); }),
              6);
  }
}

TEST(FeedDays, RequestedEdgeCasesReachTheFiles) {
  rv::testing::TempDir dir;
  auto o = testing::weekend(dir.path());
  o.plan.edge_rate = 1;
  o.days.resize(1);
  o.now = DateTime{2026, 12, 8, 12};
  write_feed(o);
  const auto feed = read_feed(dir.path());
  EXPECT_EQ(data_kinds(records_in(feed, "CARD2"), "RA"), (std::set<std::string>{"2", "A", "B"}));
  std::set<int> registered;
  for (const auto& r : records_in(feed, "CARD1")) {
    if (fld(r, 1, 2) == "RA") registered.insert(inum(fld(r, 882, 2)));
  }
  EXPECT_EQ(registered, (std::set<int>{0, 8, 19}));
  EXPECT_EQ(data_kinds(records_in(feed, "_ODDS_"), "O1"), (std::set<std::string>{"4", "9"}));
  EXPECT_EQ(data_kinds(records_in(feed, "_ODDS_"), "O2"), (std::set<std::string>{"0", "4"}));
  EXPECT_EQ(data_kinds(records_in(feed, "_ODDS2_"), "O1"), std::set<std::string>{"5"});
  EXPECT_EQ(data_kinds(records_in(feed, "0B30"), "O1"), (std::set<std::string>{"0", "1"}));

  bool dashes = false;
  bool stars = false;
  for (const auto& r : records_in(feed, "_ODDS_")) {
    if (fld(r, 1, 2) != "O1" || fld(r, 3, 1) != "4") continue;
    EXPECT_EQ(fld(r, 42, 1), "0");  // eight runners: no bracket quinella
    for (int h = 0; h < 8; ++h) {
      dashes = dashes || all_of(fld(r, sz(46 + 8 * h), 4), '-');
      stars = stars || all_of(fld(r, sz(46 + 8 * h), 4), '*');
    }
  }
  EXPECT_TRUE(dashes && stars);
  bool blank_place = false;
  for (const auto& r : records_in(feed, "0B30")) {
    if (fld(r, 1, 2) != "O1") continue;
    for (int h = 0; h < 8; ++h) blank_place = blank_place || is_blank(fld(r, sz(270 + 12 * h), 4));
  }
  EXPECT_TRUE(blank_place);

  // Races out of key order in the cards, payouts in another order than the races.
  std::vector<std::string> card_keys;
  for (const auto& r : records_in(feed, "CARD2")) {
    if (fld(r, 1, 2) == "RA" && fld(r, 3, 1) == "2") card_keys.emplace_back(fld(r, 12, 16));
  }
  EXPECT_FALSE(std::is_sorted(card_keys.begin(), card_keys.end()));
  std::vector<std::string> hr_keys;
  for (const auto& r : records_in(feed, "_PAYOUT_")) hr_keys.emplace_back(fld(r, 12, 16));
  EXPECT_TRUE(std::is_sorted(hr_keys.rbegin(), hr_keys.rend()));
  std::set<std::string> venues;
  for (const auto& k : hr_keys) venues.insert(k.substr(8, 2));
  EXPECT_EQ(venues.size(), 2u);
}

// The stand-in serves a generated weekend the way the download and the real-time fetches
// will read it.
TEST(FeedDays, AWeekendIsServedByTheStandInRecordForRecord) {
  rv::testing::TempDir dir;
  auto o = testing::weekend(dir.path());
  o.plan.venues = 2;
  o.plan.races = 2;
  write_feed(o);
  const auto feed = read_feed(dir.path());
  std::vector<std::string> stored;
  for (const auto& [name, recs] : feed) {
    if (name.rfind("RACE/", 0) == 0) stored.insert(stored.end(), recs.begin(), recs.end());
  }
  const auto files = names_in(dir.path() / "RACE");

  JVLinkSim jv(dir.path());
  ASSERT_EQ(jv.JVInit("SA730152/SD418967/Ravelin/Ver.1.05"), 0);
  int readcount = 0;
  int downloadcount = 0;
  std::string last;
  ASSERT_EQ(jv.JVOpen("RACE", "20261201000000", 1, readcount, downloadcount, last), 0);
  EXPECT_EQ(readcount, static_cast<int>(files.size()));
  EXPECT_EQ(last, files.rbegin()->substr(0, 14));
  std::vector<std::string> served;
  int switches = 0;
  for (;;) {
    std::string buff;
    std::string name;
    int size = 0;
    const int rc = jv.JVRead(buff, size, name);
    if (rc == 0) break;
    if (rc == -1) {
      ++switches;
      continue;
    }
    ASSERT_GT(rc, 0);
    ASSERT_EQ(sz(rc), buff.size());
    served.push_back(buff);
  }
  EXPECT_EQ(switches, static_cast<int>(files.size()));
  EXPECT_EQ(served, stored);
  EXPECT_EQ(jv.JVClose(), 0);

  // From the last time stamp on there is nothing newer.
  const std::string newest = last;
  EXPECT_EQ(jv.JVOpen("RACE", newest, 1, readcount, downloadcount, last), -1);

  // The real-time data of the weekend as it stands on the Wednesday after: all of it out.
  const ManualClock wednesday(o.now);
  const AppClockScope clock(&wednesday);
  const std::string key = names_in(dir.path() / "0B30").begin()->substr(0, 16);
  ASSERT_EQ(jv.JVRTOpen("0B30", key), 0);
  std::vector<std::string> odds;
  for (;;) {
    std::string buff;
    std::string name;
    int size = 0;
    const int rc = jv.JVRead(buff, size, name);
    if (rc <= 0) break;
    odds.push_back(buff);
  }
  // The odds as last announced: the end of the file, the records of its last time.
  const std::vector<std::string>& file = feed.at("0B30/" + key + ".jvd");
  const auto last_time = jv::field(file.back(), jv::odds::HappyoTime);
  const auto first_of_last = std::find_if(file.begin(), file.end(), [&](const std::string& r) {
    return jv::field(r, jv::odds::HappyoTime) == last_time;
  });
  EXPECT_EQ(odds, std::vector<std::string>(first_of_last, file.end()));
  EXPECT_EQ(odds.size(), 6U);
  EXPECT_EQ(jv.JVClose(), 0);
  EXPECT_EQ(jv.JVRTOpen("0B30", key.substr(0, 14) + "12"), -1);  // no such race
  EXPECT_EQ(jv.JVRTOpen("0B12", "20261206"), 0);
  EXPECT_EQ(jv.JVClose(), 0);
}

}  // namespace
}  // namespace rv::jvfeed
