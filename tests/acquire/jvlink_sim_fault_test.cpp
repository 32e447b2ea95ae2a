#include <gtest/gtest.h>

#include "acquire/jvlink_sim_config.h"
#include "jvfeed/records.h"
#include "sim_fixture.h"

namespace rv {
namespace {

using std::chrono::milliseconds;
using testing::kSid;
using testing::SimTest;

constexpr std::string_view kEarly = "20240101000000";

TEST(JVLinkSimConfig, ReadsDownloadTimeAndFaults) {
  const auto cfg = parse_jvlink_sim_config(
      "; the stand-in's settings\r\n"
      "[Download]\r\n"
      "  Seconds = 2.5   # per file\r\n"
      "[FAIL]\r\n"
      "jvread.3=-502\r\n"
      "JVRead = -403\r\n"
      "JVInit=-103\n"
      "record.5=-3\n");
  EXPECT_TRUE(cfg.problems.empty());
  EXPECT_EQ(cfg.download_per_file, milliseconds(2500));
  EXPECT_EQ(cfg.call_fault("JVRead", 3), -502);  // the numbered call wins
  EXPECT_EQ(cfg.call_fault("JVRead", 4), -403);
  EXPECT_EQ(cfg.call_fault("JVInit", 1), -103);
  EXPECT_EQ(cfg.call_fault("JVOpen", 1), std::nullopt);
  EXPECT_EQ(cfg.record_faults, (std::map<long long, int>{{5, -3}}));
}

TEST(JVLinkSimConfig, LinesNotUnderstoodChangeNothingAndAreReported) {
  const auto cfg = parse_jvlink_sim_config(
      "seconds=3\n"  // outside a section
      "[download]\nseconds=-1\nseconds=abc\nspeed=2\n"
      "[fail]\nJVFoo=-1\nJVRead=x\nJVRead.0=-1\nJVRead.-2=-1\nrecord=-3\nrecord.2=\n"
      "JVOpen=-99999999999\n"
      "[other]\nJVOpen=-1\n"
      "[fail\n");
  EXPECT_EQ(cfg.download_per_file, milliseconds(0));
  EXPECT_TRUE(cfg.call_faults.empty());
  EXPECT_TRUE(cfg.record_faults.empty());
  ASSERT_EQ(cfg.problems.size(), 14U);
  EXPECT_EQ(cfg.problems.front(), "line 1: seconds=3");
}

TEST_F(SimTest, DownloadTakesItsTimeAndStatusCountsFilesDone) {
  ini("[download]\nseconds=2\n");
  stored("20240406120000_a.jvd", {"A1", "A2"});
  stored("20240407120000_b.jvd", {"B1"});
  stored("20240408120000_c.jvd", {"C1"});
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(readcount, 3);
  EXPECT_EQ(downloadcount, 3);
  EXPECT_EQ(jv->JVStatus(), 0);
  EXPECT_EQ(trace(*jv), "~");
  advance_ms(1999);
  EXPECT_EQ(jv->JVStatus(), 0);
  advance_ms(1);
  EXPECT_EQ(jv->JVStatus(), 1);
  // The first file is readable while the next still downloads.
  EXPECT_EQ(trace(*jv), "A1 A2 | ~");
  advance_ms(2000);
  EXPECT_EQ(jv->JVStatus(), 2);
  EXPECT_EQ(trace(*jv), "B1 | ~");
  advance_ms(60'000);
  EXPECT_EQ(jv->JVStatus(), 3);  // never more than downloadcount
  EXPECT_EQ(trace(*jv), "C1 | .");
  ASSERT_EQ(jv->JVClose(), 0);

  // Downloaded files are local from now on; only a new one downloads.
  stored("20240409120000_d.jvd", {"D1"});
  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(readcount, 4);
  EXPECT_EQ(downloadcount, 1);
  EXPECT_EQ(trace(*jv), "A1 A2 | B1 | C1 | ~");
  advance_ms(2000);
  EXPECT_EQ(jv->JVStatus(), 1);
  EXPECT_EQ(trace(*jv), "D1 | .");
}

TEST_F(SimTest, CancelEndsTheStreamSoNoReadEndsAsComplete) {
  ini("[download]\nseconds=1\n");
  stored("20240406120000_a.jvd", {"A1"});
  stored("20240407120000_b.jvd", {"B1"});
  stored("20240408120000_c.jvd", {"C1"});
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly), 0);
  advance_ms(1500);
  EXPECT_EQ(jv->JVStatus(), 1);
  EXPECT_EQ(jv->JVCancel(), 0);
  advance_ms(10'000);
  EXPECT_EQ(jv->JVStatus(), -203);
  EXPECT_EQ(trace(*jv), "E-203");
  EXPECT_EQ(jv->JVCancel(), 0);
  EXPECT_EQ(jv->JVClose(), 0);

  // The file finished before the cancel stays downloaded; the others start again. A new
  // open works whether or not the caller closed after cancelling.
  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(downloadcount, 2);
  EXPECT_EQ(jv->JVCancel(), 0);
  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(downloadcount, 2);
}

// Calls are counted from the stand-in's creation, whatever state they meet.
TEST_F(SimTest, InjectedCodesReplaceTheCallOfEachOperation) {
  ini("[fail]\n"
      "JVInit.1=-103\n"
      "JVSetUIProperties=-100\n"
      "JVOpen.1=-504\n"
      "JVRTOpen.1=-301\n"
      "JVStatus.2=-502\n"
      "JVRead.2=-402\n"
      "JVClose.1=-1\n"
      "JVCancel.1=-1\n");
  stored("20240406120000_a.jvd", {"A1", "A2"});
  realtime("0B13/20240406.jvd", {jvfeed::dm(jvfeed::key(20240406, 6, 11))});
  auto jv = make(false);
  EXPECT_EQ(jv->JVInit(kSid), -103);
  EXPECT_EQ(jv->JVStatus(), -201);  // the failed init left the control uninitialised...
  EXPECT_EQ(jv->JVInit(kSid), 0);
  EXPECT_EQ(jv->JVSetUIProperties(), -100);
  EXPECT_EQ(jv->JVSetUIProperties(), -100);

  EXPECT_EQ(open(*jv, kEarly), -504);  // ...and the failed open opened nothing
  EXPECT_EQ(readcount, 0);
  EXPECT_EQ(jv->JVRTOpen("0B13", "20240406"), -301);
  ASSERT_EQ(open(*jv, kEarly), 0);
  EXPECT_EQ(jv->JVStatus(), -502);
  EXPECT_EQ(jv->JVStatus(), 0);
  EXPECT_EQ(trace(*jv), "A1 E-402");
  EXPECT_EQ(trace(*jv), "A2 | .");  // the failed call took no record
  EXPECT_EQ(jv->JVCancel(), -1);    // nothing cancelled...
  EXPECT_EQ(jv->JVClose(), -1);     // ...nor closed
  EXPECT_EQ(jv->JVRTOpen("0B13", "20240406"), -202);
  EXPECT_EQ(jv->JVClose(), 0);
  EXPECT_EQ(jv->JVRTOpen("0B13", "20240406"), 0);
  EXPECT_EQ(trace(*jv, id_of), "DM .");
}

TEST_F(SimTest, InjectedRecordFaultTakesTheRecordsPlaceOncePerStream) {
  ini("[fail]\nrecord.3=-403\nrecord.4=-3\n");
  stored("20240406120000_a.jvd", {"A1", "A2"});
  stored("20240407120000_b.jvd", {"B1", "B2", "B3"});
  auto jv = make();
  ASSERT_EQ(open(*jv, kEarly), 0);
  // Records are counted over the whole stream, across the file switch.
  EXPECT_EQ(trace(*jv), "A1 A2 | E-403");
  EXPECT_EQ(trace(*jv), "B1 ~");
  EXPECT_EQ(trace(*jv), "B2 B3 | .");
  ASSERT_EQ(jv->JVClose(), 0);
  ASSERT_EQ(open(*jv, "20240406120000"), 0);
  EXPECT_EQ(trace(*jv), "B1 B2 E-403");

  const auto race = jvfeed::key(20240406, 6, 11, 1, 2);
  realtime("0B30/2024040606010211.jvd",
           {jvfeed::odds(jvfeed::Kind::O1, race, 16, '1', "04061000"),
            jvfeed::odds(jvfeed::Kind::O2, race, 16, '1', "04061000"),
            jvfeed::odds(jvfeed::Kind::O3, race, 16, '1', "04061000")});
  ASSERT_EQ(jv->JVClose(), 0);
  ASSERT_EQ(jv->JVRTOpen("0B30", "2024040606010211"), 0);
  EXPECT_EQ(trace(*jv, id_of), "O1 O2 E-403");
}

TEST_F(SimTest, AnUnreadableIniIsReportedAndIgnored) {
  ini("[fail]\nJVOpen=oops\n");
  stored("20240406120000_a.jvd", {"A1"});
  auto jv = make();
  ASSERT_EQ(jv->config_problems().size(), 1U);
  EXPECT_EQ(open(*jv, kEarly), 0);
}

}  // namespace
}  // namespace rv
