// The 枠連 filter verification of races as their preview labels and 枠連 table show them.
#include "stats/filter_verification.h"

#include <gtest/gtest.h>

#include "support/text.h"

namespace rv {
namespace {

class VerifyRaces : public ::testing::Test {
 protected:
  enum class Race : std::uint8_t { kTarget, kAdvisedSkip, kNoPoints, kFiltered };

  // Race slot `slot` at venue `jyo`, race number slot + 1, of 12 runners, in the state given.
  void race(int slot, const char* jyo, Race kind) {
    RaRecord& ra = day_->RaData[static_cast<std::size_t>(slot)];
    ra.blank();
    ra.put(jv::head::JyoCD, jyo);
    ra.put(jv::head::RaceNum, fmt("%02d", slot + 1));
    ra.put(jv::ra::TorokuTosu, "12");
    for (Label* l : {&tan1_, &p_.Tan2Label, &p_.Tan7Label}) l->set_color(colors::kCream);
    p_.WakuAveLabel.set_color(colors::kRed);
    p_.WakuAveLabel.set_text(" 1750");
    p_.Rentai1_3Label.set_color(kind == Race::kFiltered ? colors::kYellow : colors::kRed);
    p_.Rentai1_3Label.set_text("175.0");
    p_.KenLabel.set_text(kind == Race::kAdvisedSkip ? sj("見送") : "");
    const bool bets = kind != Race::kNoPoints;
    wakuren_.set_data_rows(2);
    wakuren_.set_cell(1, BetColumns::kOdds, bets ? "    4.0" : "");
    wakuren_.set_cell(2, BetColumns::kOdds, bets ? "    8.0" : "");
    wakuren_.total(BetTotal::kTensu).set_text(bets ? "  2" : "");
    wakuren_.total(BetTotal::kToshi).set_text(bets ? "  1000" : "");
    wakuren_.total(BetTotal::kKaishu).set_text(bets ? "    2000" : "");
    v_.AddRace(*day_, slot, p_, tan1_, wakuren_);
  }

  std::unique_ptr<Day> day_ = make_day();
  PreviewControls p_;
  Label tan1_;
  BetTable wakuren_{BetType::kWakuren};
  DayVerification v_{FilterSet::kSum13, sj("2026年12月06日"), {"head"}};
};

TEST_F(VerifyRaces, TargetsCountSkipsAreListedAndTheCourseSeparatorComesBetweenCourses) {
  race(0, "06", Race::kTarget);
  race(1, "06", Race::kAdvisedSkip);  // all filters hold, but the preview advises a skip
  race(2, "06", Race::kNoPoints);     // a target without 枠連 points: no line at all
  race(3, "09", Race::kFiltered);
  const char* const figures =
      " 1R中　 1R的中　　投資額：   1000円　回収額：   2000円　的中率： 100.0　回収率： 200.0";
  std::vector<std::string> report;
  for (const std::string& l : v_.Report()) report.push_back(to_utf8(l));
  EXPECT_EQ(report,
            (std::vector<std::string>{
                "head", "------",
                "対象:中山 1R:12頭:計1-3 175.0:平均配当 1750:  2点:投票  1000円:回収    2000円",
                "見送:中山 2R:12頭:計1-3 175.0:平均配当 1750:", "------",
                "見送:阪神 4R:12頭:計1-3 175.0:平均配当 1750:", "=======", figures}));
  ASSERT_EQ(v_.csv().size(), 3U);
  EXPECT_EQ(
      to_utf8(v_.csv()[0]),
      R"("対象:","2026年12月06日","中山"," 1R","12頭"," 1750","175.0","","    4.0","    8.0","",)"
      R"("   4.0","","","","  2","","  1000","    2000","","","","")");
  EXPECT_TRUE(to_utf8(v_.csv()[1]).find(R"("見送:","2026年12月06日","中山"," 2R")") == 0);
}

TEST_F(VerifyRaces, ADayWithoutRacesHasItsHeaderAndTheClosingLineOnly) {
  EXPECT_EQ(v_.Report(), (std::vector<std::string>{"head", "======="}));
  EXPECT_EQ(v_.Summary(), "");
}

TEST(VerifyHeaders, TheSettingsShowAsEditedWithTheSetsOwnThreshold) {
  PreviewControls p;
  p.settings[0].edit.set_text("1.5");
  p.settings[1].edit.set_text("3.0");
  p.settings[8].edit.set_text("25");
  const VerifySettings s = ReadVerifySettings(p, sj("比例"), FilterSet::kGap34);
  std::vector<std::string> report;
  std::vector<std::string> csv;
  VerifyAllDaysHeader(FilterSet::kGap34, s, report, csv);
  ASSERT_EQ(report.size(), 9U);
  EXPECT_EQ(to_utf8(report[3]), "単勝オッズ1位範囲   :1.5～3.0");
  EXPECT_EQ(to_utf8(report[7]), "枠連対率差3位－4位  :  25以上");
  EXPECT_EQ(to_utf8(csv[1]), R"("単勝オッズ1位範囲","1.5","～","3.0")");
  EXPECT_EQ(to_utf8(csv[5]), R"("枠連対率差3位－4位","  25以上")");
  EXPECT_EQ(std::count(csv[6].begin(), csv[6].end(), ','), 22);
}

}  // namespace
}  // namespace rv
