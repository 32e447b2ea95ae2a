// The stand-in's real-time data by the wall clock: a race day of 2024-04-06 at 中山 with
// race 1 starting at 10:00 and race 11 at 15:40.
#include <gtest/gtest.h>

#include <iterator>

#include "common/temp_dir.h"
#include "jvdata/layouts.h"
#include "jvfeed/records.h"
#include "sim_fixture.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Kind;
using testing::SimTest;

const auto kRace1 = jvfeed::key(20240406, 6, 1, 1, 2);
const auto kRace11 = jvfeed::key(20240406, 6, 11, 1, 2);
constexpr const char* kOdds11 = "0B30/2024040606010211.jvd";

jvfeed::Record odds_at(Kind kind, std::string_view mmddhhmm, char data_kind = '1') {
  return jvfeed::odds(kind, kRace11, 16, data_kind, mmddhhmm);
}

// A record as its id and what tells it apart here: the race of results and predictions, the
// announcement's hhmm of odds and changes.
std::string label(std::string_view rec) {
  const auto kind = jv::kind_of(jv::field(rec, jv::rec::RecordSpec));
  std::string_view detail = jv::field(rec, jv::announcement::HappyoTime).substr(4);
  if (kind == Kind::RA || kind == Kind::SE || kind == Kind::HR || kind == Kind::DM) {
    detail = jv::field(rec, jv::head::RaceNum);
  } else if (kind == Kind::WE) {
    detail = jv::field(rec, jv::we::HappyoTime).substr(4);
  } else if (kind >= Kind::O1 && kind <= Kind::O6) {
    detail = jv::field(rec, jv::odds::HappyoHM);
  }
  return std::string(jv::field(rec, jv::rec::RecordSpec)).append(detail);
}

class RealtimeDay : public SimTest {
 protected:
  RealtimeDay() {
    realtime(kOdds11, {odds_at(Kind::O1, "04060900"), odds_at(Kind::O2, "04060900"),
                       odds_at(Kind::O1, "04061530"), odds_at(Kind::O2, "04061530"),
                       odds_at(Kind::O1, {}, '0')});  // a deletion: no time of its own
    realtime("0B12/20240406.jvd",
             {jvfeed::ra(kRace1, {.start = "1000"}), jvfeed::se(kRace1), jvfeed::hr(kRace1),
              jvfeed::ra(kRace11), jvfeed::se(kRace11, {.horse = 1}),
              jvfeed::se(kRace11, {.horse = 2}), jvfeed::hr(kRace11)});
    realtime("0B13/20240406.jvd", {jvfeed::dm(kRace1), jvfeed::dm(kRace11)});
    auto scratch = jvfeed::tc(kRace11, "04061300", "0000", "0000");
    scratch.set_raw("RecordSpec", 1, "AV");  // a kind without a layout here
    realtime("0B14/20240406.jvd", {jvfeed::we(kRace1, "04060800", 1, {}),
                                   jvfeed::tc(kRace11, "04061200", "1550", "1540"), scratch});
  }
};

TEST_F(RealtimeDay, EachKindServesWhatIsOutByTheClock) {
  struct Case {
    const char* spec;
    const char* key;
    int hour;
    int minute;
    const char* served;  // nullptr: -1
  };
  const Case cases[] = {
      {"0B30", "2024040606010211", 8, 59, nullptr},  // before the first announcement
      {"0B30", "2024040606010211", 9, 0, "O10900 O20900 ."},
      {"0B30", "2024040606010211", 15, 29, "O10900 O20900 ."},
      {"0B30", "2024040606010211", 15, 30, "O11530 O21530 O10000 ."},
      {"0B12", "20240406", 10, 9, nullptr},  // race 1 at start + 9 minutes
      {"0B12", "20240406", 10, 10, "RA01 SE01 HR01 ."},
      {"0B12", "20240406", 15, 49, "RA01 SE01 HR01 ."},
      {"0B12", "20240406", 15, 50, "RA01 SE01 HR01 RA11 SE11 SE11 HR11 ."},
      {"0B13", "20240406", 0, 0, "DM01 DM11 ."},
      {"0B14", "20240406", 7, 59, nullptr},
      {"0B14", "20240406", 8, 0, "WE0800 ."},
      {"0B14", "20240406", 12, 59, "WE0800 TC1200 ."},
      {"0B14", "20240406", 13, 0, "WE0800 TC1200 AV1300 ."},
  };
  auto jv = make();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.spec) + " " + std::to_string(c.hour) + ":" +
                 std::to_string(c.minute));
    wall(c.hour, c.minute);
    if (c.served == nullptr) {
      EXPECT_EQ(jv->JVRTOpen(c.spec, c.key), -1);
      EXPECT_EQ(jv->JVClose(), 0);
      continue;
    }
    ASSERT_EQ(jv->JVRTOpen(c.spec, c.key), 0);
    // What the open saw stays, whatever the clock does while reading.
    wall(0, 0);
    EXPECT_EQ(trace(*jv, label), c.served);
    EXPECT_EQ(jv->JVClose(), 0);
  }
}

TEST_F(SimTest, DamagedRealTimeRecordsAreSkippedAndLogged) {
  const testing::AppDirScope app;
  realtime(kOdds11, {odds_at(Kind::O1, "04060900"), "O1 cut short\r\n",
                     odds_at(Kind::O2, "04061000").set_raw("HappyoTime", 1, "04062460")});
  realtime("0B12/20240406.jvd",
           {jvfeed::ra(kRace1, {.start = "1000"}),
            jvfeed::ra(kRace11).set_raw("HassoTime", 1, "15x0"), jvfeed::se(kRace11), "HR\r\n"});
  realtime("0B13/20240406.jvd", {jvfeed::dm(kRace1), jvfeed::ra(kRace1)});
  realtime("0B14/20240406.jvd",
           {jvfeed::tc(kRace11, "04061200", "1550", "1540").set_raw("HappyoTime", 1, "0406  00")});
  auto jv = make();
  const std::pair<const char*, const char*> cases[] = {
      {"0B30", "2024040606010211"}, {"0B12", "20240406"}, {"0B13", "20240406"}};
  const char* served[] = {"O10900 .", "RA01 .", "DM01 ."};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_EQ(jv->JVRTOpen(cases[i].first, cases[i].second), 0) << cases[i].first;
    EXPECT_EQ(trace(*jv, label), served[i]);
    EXPECT_EQ(jv->JVClose(), 0);
  }
  EXPECT_EQ(jv->JVRTOpen("0B14", "20240406"), -1);  // nothing whole is nothing out

  const std::vector<std::string> log = read_lines(app.path() / "ErrorLog.txt");
  EXPECT_EQ(log.size(), 6U);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(to_utf8(log[0]),
            "【エラー】20:00:00：JV-Link: 壊れたレコードを飛ばしました（0B30\\"
            "2024040606010211.jvd 長さ 12 バイト、O1 は 960 バイト）：O1 cut short");
}

}  // namespace
}  // namespace rv
