#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/temp_dir.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AppDirScope;

TEST(AppPath, MatchesEachComponentWithoutRegardToCase) {
  AppDirScope app;
  fs::create_directories(app.path() / "DATA");
  testing::write_bytes(app.path() / "DATA" / "X.jvRA", "r");
  EXPECT_EQ(app_path("\\Data\\x.JVRA"), app.path() / "DATA" / "X.jvRA");
  EXPECT_EQ(app_path("\\data"), app.path() / "DATA");
  // Missing components keep their spelling so the caller can create them.
  EXPECT_EQ(app_path("\\Data\\New\\f.txt"), app.path() / "DATA" / "New" / "f.txt");
}

TEST(AppPath, NeverSplitsInsideADoubleByteCharacterAndConvertsNamesToUtf8) {
  AppDirScope app;
  // 表 is 0x95 0x5C: its trail byte is a backslash.
  const fs::path p = app_path(sj("\\kaime\\出馬表.BET"));
  EXPECT_EQ(p, app.path() / "kaime" / fs::path(u8"出馬表.BET"));
}

TEST(AppPath, StaysBelowAppDir) {
  AppDirScope app;
  EXPECT_EQ(app_path("\\..\\..\\etc\\passwd"), app.path() / "etc" / "passwd");
  EXPECT_EQ(app_path("\\.\\a"), app.path() / "a");
}

TEST(AppDirResolution, CommandLineThenEnvironmentThenExecutableFolder) {
  ::setenv("RAVELIN_APPDIR", "/tmp/from-env", 1);
  EXPECT_EQ(find_app_dir(fs::path("/tmp/from-arg")), fs::path("/tmp/from-arg"));
  EXPECT_EQ(find_app_dir(std::nullopt), fs::path("/tmp/from-env"));
  ::unsetenv("RAVELIN_APPDIR");
  EXPECT_EQ(find_app_dir(std::nullopt), executable_dir());
  set_app_dir("/tmp/x/");
  EXPECT_EQ(app_dir(), fs::path("/tmp/x"));
}

}  // namespace
}  // namespace rv
