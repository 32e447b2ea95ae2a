// ravelin-cli download where JV-Link stops delivering, and a download killed half-way: the
// time limit cancels a run that stands still, and a killed run leaves whole day files that a
// second run completes as if nothing had happened.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "cli_runner.h"
#include "jvfeed/feed.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
using testing::run_cli;

class DownloadGuardCli : public ::testing::Test {
 protected:
  DownloadGuardCli() {
    unsetenv("JVLINK_SIM_FEED");
    unsetenv("RAVELIN_APPDIR");
    jvfeed::FeedOptions o;
    o.plan.venues = 2;
    o.plan.races = 6;
    o.days = jvfeed::weekend_days_from(DateTime{2026, 12, 5}, 4);
    o.now = DateTime{2026, 12, 20, 12};
    o.out = feed_.path();
    jvfeed::write_feed(o);
  }

  // A program folder on the shared feed, with jvlink.ini as given.
  [[nodiscard]] fs::path app(const std::string& name, const std::string& ini = {}) const {
    const fs::path dir = apps_.path() / name;
    fs::create_directories(dir);
    fs::create_directory_symlink(feed_.path(), dir / "jvfeed");
    if (!ini.empty()) testing::write_bytes(feed_.path() / "jvlink.ini", ini);
    return dir;
  }
  static std::vector<std::string> download(const fs::path& dir) {
    return {"--appdir", dir.string(), "download", "--from", "20261201000000", "--odds"};
  }
  // Every file of the day folders, by path below the program folder.
  static std::map<std::string, std::string> day_files(const fs::path& dir) {
    std::map<std::string, std::string> out;
    for (const char* sub : {"DATA", "CHG"}) {
      if (!fs::exists(dir / sub)) continue;
      for (const auto& e : fs::recursive_directory_iterator(dir / sub)) {
        if (e.is_regular_file()) {
          out[fs::relative(e.path(), dir).string()] = testing::slurp(e.path());
        }
      }
    }
    return out;
  }

  testing::TempDir feed_;
  testing::TempDir apps_;
};

TEST_F(DownloadGuardCli, ARunThatStandsStillIsCancelledByTheTimeLimit) {
  // Reading that only ever answers "still downloading", and a download that never ends.
  for (const char* ini : {"[fail]\nJVRead=-3\n", "[download]\nseconds=1000\n"}) {
    SCOPED_TRACE(ini);
    const fs::path dir = app(ini[1] == 'f' ? "read" : "status", ini);
    std::vector<std::string> args = download(dir);
    args.insert(args.end(), {"--timeout", "1"});
    const auto started = std::chrono::steady_clock::now();
    const auto r = run_cli(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("cancelled"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("JVCancel:キャンセルされました"), std::string::npos);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
  }
  EXPECT_EQ(run_cli({"download", "--timeout", "0"}).status, 2);
}

TEST_F(DownloadGuardCli, AKilledRunLeavesWholeFilesAndASecondRunCompletesThem) {
  const fs::path whole = app("whole");
  ASSERT_EQ(run_cli(download(whole)).status, 0);
  const auto expected = day_files(whole);
  // The day files are written together at the end of the read: each kill lands at another
  // moment of that, from the first file on.
  int killed = 0;
  for (const int after_ms : {0, 3, 10}) {
    SCOPED_TRACE(after_ms);
    const fs::path dir = app("killed" + std::to_string(after_ms));
    std::vector<std::string> args = download(dir);
    const pid_t child = fork();
    if (child == 0) {
      std::vector<char*> argv{const_cast<char*>(RAVELIN_CLI)};
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      freopen("/dev/null", "w", stdout);
      freopen("/dev/null", "w", stderr);
      execv(RAVELIN_CLI, argv.data());
      _exit(127);
    }
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (day_files(dir).empty() && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(after_ms));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    killed += WIFSIGNALED(status) ? 1 : 0;
    // Whatever is there is whole: a file the uninterrupted run also wrote, of whole lines
    // (the runner files: all their fixed slots).
    for (const auto& [name, bytes] : day_files(dir)) {
      if (name.find(".tmp") != std::string::npos) continue;  // removed by the next start
      ASSERT_EQ(expected.count(name), 1U) << name;
      if (name.ends_with(".jvSEr")) {
        EXPECT_EQ(bytes.size(), expected.at(name).size()) << name;
      } else {
        EXPECT_TRUE(bytes.empty() || bytes.ends_with("\r\n")) << name;
      }
    }
    ASSERT_EQ(run_cli(download(dir)).status, 0);
    EXPECT_EQ(day_files(dir), expected);
  }
  EXPECT_GT(killed, 0) << "every run ended before its kill";
}

// The program folder on a file system of 256 KiB, mounted in a mount namespace of the run's
// own (root only; elsewhere the test says it was skipped).
TEST_F(DownloadGuardCli, AFullDiskIsNamedAndTheRunFails) {
  if (std::system("unshare -m --propagation private true >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no mount namespace for this user";
  }
  const fs::path dir = app("full");
  fs::remove(dir / "jvfeed");
  const auto q = [](const fs::path& p) { return "'" + p.string() + "'"; };
  const std::string script = "mount -t tmpfs -o size=256k tmpfs " + q(dir) + " && ln -s " +
                             q(feed_.path()) + " " + q(dir / "jvfeed") + " && " + q(RAVELIN_CLI) +
                             " --appdir " + q(dir) +
                             " download --from 20261201000000 --odds >/dev/null 2>" +
                             q(apps_.path() / "err") + "; echo \\$? >" + q(apps_.path() / "rc");
  ASSERT_EQ(std::system(("unshare -m --propagation private sh -c \"" + script + "\"").c_str()), 0);
  EXPECT_EQ(testing::slurp(apps_.path() / "rc"), "1\n");
  const std::string err = testing::slurp(apps_.path() / "err");
  EXPECT_NE(err.find("に書き込めません。（ディスクの空き容量が足りません）"), std::string::npos)
      << err;
}

}  // namespace
}  // namespace rv
