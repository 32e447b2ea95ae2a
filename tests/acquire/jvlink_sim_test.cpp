#include <gtest/gtest.h>

#include <filesystem>

#include "jvfeed/records.h"
#include "sim_fixture.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
using testing::kSid;
using testing::SimTest;

constexpr std::string_view kEarly = "20240101000000";

TEST_F(SimTest, SidChecks) {
  auto jv = make(false);
  EXPECT_EQ(jv->JVInit(""), -101);
  EXPECT_EQ(jv->JVInit(std::string(64, 'S')), -102);
  // The limit counts bytes: 32 double-byte characters are 64.
  std::string wide;
  for (int i = 0; i < 32; ++i) wide += "あ";
  EXPECT_EQ(jv->JVInit(sj(wide)), -102);
  EXPECT_EQ(jv->JVInit(std::string(63, 'S')), 0);
  EXPECT_EQ(jv->JVInit(" SA730152"), -103);
  EXPECT_EQ(jv->JVInit(kSid), 0);
}

TEST_F(SimTest, NothingButCloseCancelAndSettingsWorksBeforeASuccessfulInit) {
  stored("20240406120000_a.jvd", {"RA1"});
  put("0B12/20240406.jvd", "RA1\r\n");
  auto jv = make(false);
  std::string buff;
  std::string name;
  int size = 0;
  EXPECT_EQ(open(*jv, kEarly), -201);
  EXPECT_EQ(jv->JVRTOpen("0B12", "20240406"), -201);
  EXPECT_EQ(jv->JVStatus(), -201);
  EXPECT_EQ(jv->JVRead(buff, size, name), -201);
  EXPECT_EQ(jv->JVClose(), 0);
  EXPECT_EQ(jv->JVCancel(), 0);
  EXPECT_EQ(jv->JVSetUIProperties(), 0);

  // A failing JVInit after a good one leaves the control uninitialised.
  ASSERT_EQ(jv->JVInit(kSid), 0);
  EXPECT_EQ(jv->JVInit(""), -101);
  EXPECT_EQ(open(*jv, kEarly), -201);
}

TEST_F(SimTest, OneOpenAtATime) {
  stored("20240406120000_a.jvd", {"RA1"});
  realtime("0B12/20240406.jvd", {jvfeed::ra(jvfeed::key(20240406, 6, 11))});
  auto jv = make();
  std::string buff;
  std::string name;
  int size = 0;
  EXPECT_EQ(jv->JVStatus(), -203);
  EXPECT_EQ(jv->JVRead(buff, size, name), -203);

  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(open(*jv, kEarly), -202);
  EXPECT_EQ(jv->JVRTOpen("0B12", "20240406"), -202);
  EXPECT_EQ(jv->JVClose(), 0);
  EXPECT_EQ(jv->JVRead(buff, size, name), -203);

  ASSERT_EQ(jv->JVRTOpen("0B12", "20240406"), 0);
  EXPECT_EQ(open(*jv, kEarly), -202);
  EXPECT_EQ(jv->JVStatus(), -203);  // a real-time open has no download to report
  // A new JVInit drops the open stream.
  EXPECT_EQ(jv->JVInit(kSid), 0);
  EXPECT_EQ(jv->JVRead(buff, size, name), -203);
  EXPECT_EQ(open(*jv, kEarly), 0);
}

TEST_F(SimTest, OpenArgumentChecks) {
  stored("20240406120000_a.jvd", {"RA1"});
  auto jv = make();
  for (const char* spec : {"", "RAC", "race", "XXXX", "RACEXXXX", "0B12"}) {
    EXPECT_EQ(open(*jv, kEarly, 1, spec), -111) << spec;
    EXPECT_EQ(readcount, 0);
    EXPECT_EQ(downloadcount, 0);
    EXPECT_EQ(lastfile, "");
  }
  for (const char* from : {"", "2024010100000", "202401010000000", "2024010100000a",
                           "20241301000000", "20240230000000", "20240101240000"}) {
    EXPECT_EQ(open(*jv, from), -112) << from;
  }
  EXPECT_EQ(open(*jv, kEarly, 0), -115);
  EXPECT_EQ(open(*jv, kEarly, 5), -115);
  EXPECT_EQ(open(*jv, kEarly, 2, "DIFF"), -116);
  EXPECT_EQ(open(*jv, kEarly, 2, "RACEBLOD"), -116);
  // None of the refusals left anything open.
  EXPECT_EQ(open(*jv, kEarly, 1, "RACEDIFF"), 0);
  EXPECT_EQ(readcount, 1);
}

TEST_F(SimTest, ServesFilesStampedStrictlyLaterThanFromOldestFirst) {
  stored("20240413090000_b.jvd", {"B1"});
  stored("20240406120000_a.jvd", {"A1"});
  stored("20240420170000_c.jvd", {"C1"});
  stored("20240413090000_a.jvd", {"A2"});  // same stamp: by name
  put("RACE/20240501000000_x.txt", "not data\r\n");
  put("RACE/20240532000000_x.jvd", "bad date\r\n");
  put("RACE/readme.jvd", "no stamp\r\n");
  fs::create_directories(feed() / "RACE" / "20240601000000_dir.jvd");
  auto jv = make();

  ASSERT_EQ(open(*jv, "20240406120000"), 0);
  EXPECT_EQ(readcount, 3);
  EXPECT_EQ(downloadcount, 0);
  EXPECT_EQ(lastfile, "20240420170000");
  EXPECT_EQ(trace(*jv), "A2 | B1 | C1 | .");
  ASSERT_EQ(jv->JVClose(), 0);

  ASSERT_EQ(open(*jv, "20240406115959"), 0);
  EXPECT_EQ(readcount, 4);
  ASSERT_EQ(jv->JVClose(), 0);

  // Nothing newer: -1 and nothing open, so the next open needs no JVClose.
  EXPECT_EQ(open(*jv, "20240420170000"), -1);
  EXPECT_EQ(readcount, 0);
  EXPECT_EQ(lastfile, "");
  EXPECT_EQ(open(*jv, "20240420165959"), 0);
  EXPECT_EQ(lastfile, "20240420170000");
}

TEST_F(SimTest, AnEmptyOrMissingFeedHasNothingNewer) {
  auto jv = make();
  EXPECT_EQ(open(*jv, kEarly), -1);
  fs::create_directories(feed() / "race");
  EXPECT_EQ(open(*jv, kEarly), -1);
  put("race/20240406120000_a.jvd", "A1\r\n");  // folder names ignore case
  EXPECT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(trace(*jv), "A1 | .");
}

TEST_F(SimTest, ThisWeekServesOnlyTheNewestSevenDays) {
  stored("20240413090000_b.jvd", {"B"});  // exactly seven days before the newest: out
  stored("20240413090001_c.jvd", {"C"});
  stored("20240418120000_d.jvd", {"D"});
  stored("20240420090000_e.jvd", {"E"});
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly, 2), 0);
  EXPECT_EQ(readcount, 3);
  EXPECT_EQ(trace(*jv), "C | D | E | .");
  ASSERT_EQ(jv->JVClose(), 0);
  // The from-time still applies inside the week.
  ASSERT_EQ(open(*jv, "20240418120000", 2), 0);
  EXPECT_EQ(trace(*jv), "E | .");
  ASSERT_EQ(jv->JVClose(), 0);
  // Set-up kinds serve like normal data.
  ASSERT_EQ(open(*jv, kEarly, 3), 0);
  EXPECT_EQ(readcount, 4);
}

TEST_F(SimTest, ReadGivesRecordsWithLineEndsASwitchAfterEveryFileAndThenTheEnd) {
  put("RACE/20240406120000_a.jvd", "RA first\r\nSE second\nHR last-without-line-end");
  put("RACE/20240407120000_b.jvd", "");
  put("RACE/20240408120000_c.jvd", "\r\nO1 after a blank line\r\n\r\n");
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(readcount, 3);
  EXPECT_EQ(trace(*jv),
            "RA first SE second HR last-without-line-end | | O1 after a blank line | .");
  EXPECT_EQ(trace(*jv), ".");  // the end stays the end
}

TEST_F(SimTest, ARecordComesBackByteForByteWithItsFileName) {
  const std::string record = sj("RA7202404060605010211ＳＴＡＫＥＳ") + std::string(1, '\x5C');
  put("RACE/20240406120000_day.jvd", record + "\r\n");
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly), 0);
  std::string buff;
  std::string name;
  int size = 0;
  ASSERT_EQ(jv->JVRead(buff, size, name), static_cast<int>(record.size() + 2));
  EXPECT_EQ(buff, record + "\r\n");
  EXPECT_EQ(name, "20240406120000_day.jvd");
  EXPECT_EQ(jv->JVRead(buff, size, name), -1);
  EXPECT_EQ(jv->JVRead(buff, size, name), 0);
}

TEST_F(SimTest, AFileThatVanishesOrCannotBeReadIsAReadError) {
  stored("20240406120000_a.jvd", {"A1"});
  stored("20240407120000_b.jvd", {"B1"});
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly), 0);
  fs::remove(feed() / "RACE" / "20240406120000_a.jvd");
  EXPECT_EQ(trace(*jv), "E-503");
  ASSERT_EQ(jv->JVClose(), 0);

  stored("20240406120000_a.jvd", {"A1"});
  ASSERT_EQ(open(*jv, kEarly), 0);
  fs::remove(feed() / "RACE" / "20240407120000_b.jvd");
  fs::create_directories(feed() / "RACE" / "20240407120000_b.jvd");
  EXPECT_EQ(trace(*jv), "A1 | E-403");
}

TEST_F(SimTest, RealTimeOpenServesTheFileOfItsKey) {
  const auto race = jvfeed::key(20240406, 6, 11, 1, 2);
  realtime("0B30/2024040606010211.jvd",
           {jvfeed::odds(jvfeed::Kind::O1, race, 16, '1', "04061000"),
            jvfeed::odds(jvfeed::Kind::O2, race, 16, '1', "04061000")});
  std::string results;
  for (const std::string& r :
       {jvfeed::ra(race).str(), jvfeed::se(race).str(), jvfeed::hr(race).str()})
    results += r;
  put("0B12/20240406.jvd", results.substr(0, results.size() - 2));  // the last line ends early
  realtime("0B13/20240406.jvd", {jvfeed::dm(race)});
  realtime("0B14/20240406.jvd",
           {jvfeed::we(race, "04060800", 1, {}), jvfeed::tc(race, "04061200", "1550", "1540")});
  auto jv = make();
  const std::pair<const char*, const char*> cases[] = {{"0B30", "2024040606010211"},
                                                       {"0B12", "20240406"},
                                                       {"0B13", "20240406"},
                                                       {"0B14", "20240406"}};
  const char* expected[] = {"O1 O2 .", "RA SE HR .", "DM .", "WE TC ."};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_EQ(jv->JVRTOpen(cases[i].first, cases[i].second), 0) << cases[i].first;
    EXPECT_EQ(trace(*jv, id_of), expected[i]);
    EXPECT_EQ(jv->JVClose(), 0);
  }
  // No file for the key: -1 and nothing open.
  EXPECT_EQ(jv->JVRTOpen("0B30", "2024040606010212"), -1);
  EXPECT_EQ(jv->JVRTOpen("0B13", "20240407"), -1);
  EXPECT_EQ(jv->JVRTOpen("0B14", "20240406"), 0);
}

TEST_F(SimTest, RealTimeOpenRefusesMalformedKeysAndUnknownKinds) {
  auto jv = make();
  for (const char* key : {"", "202404060601021", "20240406060102111", "2024040606O10211",
                          "2024133006010211", "0000000000000000"}) {
    EXPECT_EQ(jv->JVRTOpen("0B30", key), -114) << key;
  }
  for (const char* key : {"2024040", "202404060", "2024-4-6", "20240230"}) {
    EXPECT_EQ(jv->JVRTOpen("0B12", key), -114) << key;
  }
  EXPECT_EQ(jv->JVRTOpen("0B12", "2024040606010211"), -114);  // a race key where a date goes
  for (const char* spec : {"0B31", "0b30", "RACE", ""}) {
    EXPECT_EQ(jv->JVRTOpen(spec, "20240406"), -111) << spec;
  }
}

}  // namespace
}  // namespace rv
