#include "model/day_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/temp_dir.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;

using testing::AppDirScope;
using testing::u8_path;
using testing::write_bytes;

std::vector<std::string> sjis(std::initializer_list<const char*> utf8) {
  std::vector<std::string> v;
  for (const char* s : utf8) v.push_back(sj(s));
  return v;
}

TEST(DayList, StoredDaysNewestFirstAsTheirDateText) {
  AppDirScope app;
  const fs::path data = app.path() / "DATA";
  for (const char* name : {"2003年04月13日.jvRA", "2002年12月28日.jvRA", "2003年04月12日.JVRA",
                           "2003年04月13日.jvSE", "2003年04月20日.jvHR"}) {
    write_bytes(data / u8_path(name), "x");
  }
  ListControl DateCombo;
  DateCombo.set_items({"old"});
  DateCombo.set_item_index(0);
  MakeDataList(DateCombo);
  EXPECT_EQ(DateCombo.items(), sjis({"2003年04月13日", "2003年04月12日", "2002年12月28日"}));
  EXPECT_EQ(DateCombo.item_index(), -1);
  EXPECT_EQ(DateCombo.text(), "");
}

TEST(DayList, NamesThatNameNoLoadableDayAreLeftOut) {
  AppDirScope app;
  const fs::path data = app.path() / "Data";
  for (const char* name : {"2003年04月13日.jvRA", "2003年04月13日 copy.jvRA", "readme.jvRA",
                           "2003年4月1日.jvRA", ".jvRA", "2003年04月14日.jvRA.bak"}) {
    write_bytes(data / u8_path(name), "x");
  }
  fs::create_directories(data / u8_path("2004年01月01日.jvRA"));
  ListControl DateCombo;
  MakeDataList(DateCombo);
  EXPECT_EQ(DateCombo.items(), sjis({"2003年04月13日"}));
}

TEST(DayList, NoDataFolderGivesAnEmptyList) {
  AppDirScope app;
  ListControl DateCombo;
  DateCombo.add("x");
  MakeDataList(DateCombo);
  EXPECT_EQ(DateCombo.count(), 0);
}

}  // namespace
}  // namespace rv
