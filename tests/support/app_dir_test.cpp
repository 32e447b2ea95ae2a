#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "common/platform.h"
#include "common/temp_dir.h"
#include "support/files.h"
#include "support/folder_index.h"
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

// The folder's names are read once: missing names and the program's own writes cost no
// further folder read, and a file another program added is still found.
TEST(AppPath, AnswersFromAFolderIndexThatFollowsTheDisk) {
  // The C++ library of mingw cannot set a folder's time (it opens folders as files).
  RV_POSIX_ONLY("sets a folder's modification time");
  AppDirScope app;
  fs::create_directories(app.path() / "DATA");
  // A folder that has been there a while, so that the next change moves its stamp.
  fs::last_write_time(app.path() / "DATA",
                      fs::last_write_time(app.path() / "DATA") - std::chrono::hours(1));
  EXPECT_EQ(app_path("\\Data\\a.jvRA"), app.path() / "DATA" / "a.jvRA");
  testing::write_bytes(app.path() / "DATA" / "Other.jvRA", "r");  // behind the index's back
  EXPECT_EQ(app_path("\\data\\other.JVRA"), app.path() / "DATA" / "Other.jvRA");

  const std::uint64_t reads = folder_reads();
  EXPECT_EQ(app_path("\\Data\\b.jvRA"), app.path() / "DATA" / "b.jvRA");
  write_file_atomic(app_path("\\Data\\New.jvRA"), "r");
  EXPECT_EQ(app_path("\\DATA\\NEW.JVRA"), app.path() / "DATA" / "New.jvRA");
  EXPECT_EQ(folder_reads(), reads);
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

TEST(AppDirResolution, CommandLineThenEnvironmentThenTheUsersDataFolder) {
  RV_POSIX_ONLY("POSIX paths and the XDG data folder; Windows keeps AppDir beside the program");
  ::setenv("RAVELIN_APPDIR", "/tmp/from-env", 1);
  EXPECT_EQ(find_app_dir(fs::path("/tmp/from-arg")), fs::path("/tmp/from-arg"));
  EXPECT_EQ(find_app_dir(std::nullopt), fs::path("/tmp/from-env"));
  ::unsetenv("RAVELIN_APPDIR");
  const testing::TempDir data;
  ::setenv("XDG_DATA_HOME", data.path().string().c_str(), 1);
  EXPECT_EQ(find_app_dir(std::nullopt), data.path() / "ravelin");
  EXPECT_TRUE(fs::is_directory(data.path() / "ravelin"));  // made on first start
  ::unsetenv("XDG_DATA_HOME");
  set_app_dir("/tmp/x/");
  EXPECT_EQ(app_dir(), fs::path("/tmp/x"));
}

}  // namespace
}  // namespace rv
