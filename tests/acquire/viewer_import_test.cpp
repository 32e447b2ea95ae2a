#include "acquire/viewer_import.h"

#include <gtest/gtest.h>

#include "day_test_util.h"
#include "jvfeed/records.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
using jvfeed::Kind;

const jvfeed::RaceKey kRace1 = jvfeed::key(20261206, 6, 1);
const jvfeed::RaceKey kRace2 = jvfeed::key(20261206, 6, 2);

// An O1 line of race 1 announced at MMDDhhmm, told apart by its first win odds.
std::string o1_at(std::string_view mmddhhmm, double win = 2.0) {
  return jvfeed::odds(Kind::O1, kRace1, 8, '1', mmddhhmm).win(1, win, 1).line();
}

TEST(NearestAnnouncement, TakesTheStrictlyNearestAnnouncementOfTheRaceDay) {
  constexpr int k1020 = 10 * 60 + 20;
  constexpr int k1640 = 16 * 60 + 40;
  struct Case {
    const char* name;
    int target;
    std::vector<std::string> lines;
    std::optional<std::size_t> nearest;
  };
  const Case cases[] = {
      {"nearer later line wins", k1020, {o1_at("12060900"), o1_at("12061015")}, 1},
      {"equal distance: first in the file", k1020, {o1_at("12061025"), o1_at("12061015")}, 0},
      {"equal distance the other way round", k1020, {o1_at("12061015"), o1_at("12061025")}, 0},
      {"the same time twice", k1020, {o1_at("12061020", 2), o1_at("12061020", 3)}, 0},
      {"pre-sale odds, however near", k1020, {o1_at("12051020"), o1_at("12060900")}, 1},
      {"only pre-sale odds", k1020, {o1_at("12051020")}, std::nullopt},
      {"999 minutes away", k1640, {o1_at("12060001")}, 0},
      {"1000 minutes away", k1640, {o1_at("12060000")}, std::nullopt},
      {"no lines", k1020, {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::string_view> lines(c.lines.begin(), c.lines.end());
    EXPECT_EQ(NearestAnnouncement(lines, c.target), c.nearest);
  }
}

class ViewerImportTest : public ::testing::Test {
 protected:
  ViewerImportTest() {
    testing::make_day_folders(app_.path());
    set_app_clock(&clock_);
  }
  ~ViewerImportTest() override { set_app_clock(nullptr); }

  void viewer_file(const jvfeed::RaceKey& k, Kind kind, const std::vector<std::string>& lines) {
    fs::create_directories(viewer_.path() / k.date());
    write_lines(viewer_.path() / k.date() /
                    (k.text().substr(8) + ".jv" + std::string(jvfeed::kind_id(kind))),
                lines);
  }
  ViewerImportCounts import() {
    DayStore store;
    return ImportViewerOdds(viewer_.path(), races_, store);
  }
  static std::vector<std::string> o1_file() {
    return read_lines(app_path(sj("\\Data\\2026年12月06日.jvO1")));
  }

  testing::AppDirScope app_;
  testing::TempDir viewer_;
  ManualClock clock_{DateTime{2026, 12, 6, 12, 0, 0}};
  std::string ra1_ = jvfeed::ra(kRace1, {.runners = 8, .start = "1030"}).str();
  std::string ra2_ = jvfeed::ra(kRace2, {.runners = 8, .start = "1100"}).str();
  std::vector<ViewerRace> races_{{ra1_, "1020"}, {ra2_, "1050"}};
};

// The chosen line replaces the race's line where it stands, as read (data kind and date
// kept), and joins the end of the file for a race it lacks: the file is not sorted again.
TEST_F(ViewerImportTest, ReplacesTheRaceLineInPlaceOrAppendsItAsRead) {
  const std::string race2_old = jvfeed::o1(kRace2, 8).line();
  const std::string race1_old = jvfeed::o1(kRace1, 8).line();
  write_lines(app_path(sj("\\Data\\2026年12月06日.jvO1")), {race2_old, race1_old});
  viewer_file(kRace1, Kind::O1, {o1_at("12061000"), o1_at("12061018")});
  const std::string o2 = jvfeed::odds(Kind::O2, kRace1, 8, '1', "12061019").line();
  viewer_file(kRace1, Kind::O2, {o2});

  viewer_file(kRace2, Kind::O1, {jvfeed::odds(Kind::O1, kRace2, 8, '1', "12061045").line()});
  const ViewerImportCounts counts = import();
  EXPECT_EQ(counts.o1, 2);
  EXPECT_EQ(counts.o2, 1);
  const std::string race2_new = jvfeed::odds(Kind::O1, kRace2, 8, '1', "12061045").line();
  EXPECT_EQ(o1_file(), (std::vector<std::string>{race2_new, o1_at("12061018")}));
  EXPECT_EQ(read_lines(app_path(sj("\\Data\\2026年12月06日.jvO2"))), std::vector<std::string>{o2});

  // Importing again changes nothing: one line per race.
  import();
  EXPECT_EQ(o1_file(), (std::vector<std::string>{race2_new, o1_at("12061018")}));
}

TEST_F(ViewerImportTest, SkipsALineOfTheWrongLengthAndLogsIt) {
  const std::string short_line = o1_at("12061020").substr(0, 900);
  viewer_file(kRace1, Kind::O1, {short_line, o1_at("12061000")});

  EXPECT_EQ(import().o1, 1);
  EXPECT_EQ(o1_file(), std::vector<std::string>{o1_at("12061000")});
  const std::vector<std::string> log = read_lines(app_path("\\ErrorLog.txt"));
  ASSERT_EQ(log.size(), 1U);
  EXPECT_NE(log[0].find(sj(" 1行目：長さ 900 バイト、O1 は 960 バイト")), std::string::npos)
      << to_utf8(log[0]);
}

}  // namespace
}  // namespace rv
