#include "support/app_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "common/platform.h"
#include "common/temp_dir.h"
#include "support/files.h"
#include "support/folder_index.h"
#include "support/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace rv {
namespace {

using testing::AppDirScope;

// Moves a folder's modification time an hour back, so that the next change moves it. The
// C++ library of mingw cannot set a folder's time (it opens folders as files).
void age_folder(const fs::path& folder) {
#ifdef _WIN32
  const HANDLE h = CreateFileW(folder.c_str(), FILE_WRITE_ATTRIBUTES | FILE_READ_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  FILETIME t{};
  GetFileTime(h, nullptr, nullptr, &t);
  ULARGE_INTEGER v{{t.dwLowDateTime, t.dwHighDateTime}};
  v.QuadPart -= 36'000'000'000ULL;  // an hour in 100 ns ticks
  t = {v.LowPart, v.HighPart};
  EXPECT_TRUE(SetFileTime(h, nullptr, nullptr, &t));
  CloseHandle(h);
#else
  fs::last_write_time(folder, fs::last_write_time(folder) - std::chrono::hours(1));
#endif
}

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
  AppDirScope app;
  fs::create_directories(app.path() / "DATA");
  age_folder(app.path() / "DATA");
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

TEST(AppDirResolution, CommandLineThenEnvironmentThenTheDefaultFolder) {
  const testing::TempDir tmp;
  const fs::path from_env = tmp.path() / fs::path(u8"競馬データ");  // not in any ANSI code page
  const auto env_u8 = from_env.u8string();
  ::setenv("RAVELIN_APPDIR", reinterpret_cast<const char*>(env_u8.c_str()), 1);
  EXPECT_EQ(find_app_dir(tmp.path() / "from-arg"), tmp.path() / "from-arg");
  EXPECT_EQ(find_app_dir(std::nullopt), from_env);
  ::unsetenv("RAVELIN_APPDIR");
#ifdef _WIN32
  EXPECT_EQ(find_app_dir(std::nullopt), executable_dir());  // Windows keeps it beside the program
#else
  const testing::TempDir data;
  ::setenv("XDG_DATA_HOME", data.path().string().c_str(), 1);
  EXPECT_EQ(find_app_dir(std::nullopt), data.path() / "ravelin");
  EXPECT_TRUE(fs::is_directory(data.path() / "ravelin"));  // made on first start
  ::unsetenv("XDG_DATA_HOME");
#endif
  set_app_dir(tmp.path() / "x" / "");
  EXPECT_EQ(app_dir(), tmp.path() / "x");
}

}  // namespace
}  // namespace rv
