#include "acquire/jvlink_factory.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/platform.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
using testing::AppDirScope;
using testing::TempDir;
using testing::write_bytes;

// Sets or clears an environment variable for one test and puts the old value back.
class EnvScope {
 public:
  EnvScope(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvScope() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  EnvScope(const EnvScope&) = delete;
  EnvScope& operator=(const EnvScope&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(JVLinkFactory, FeedFolderUnderAppDirFoundWithoutRegardToCase) {
  RV_POSIX_ONLY("on a case-insensitive file system any spelling names the folder");
  AppDirScope app;
  EnvScope env("JVLINK_SIM_FEED", nullptr);
  EXPECT_FALSE(jvlink_installed());
  fs::create_directories(app.path() / "JVFeed");
  EXPECT_TRUE(jvlink_installed());
  EXPECT_EQ(jvlink_feed_folder(), app.path() / "JVFeed");
}

TEST(JVLinkFactory, EnvironmentNamesTheFeedAndTheControlServesIt) {
  AppDirScope app;
  fs::create_directories(app.path() / "jvfeed");
  TempDir feed;
  const fs::path elsewhere = feed.path() / "feed";
  EnvScope env("JVLINK_SIM_FEED", elsewhere.string().c_str());
  EXPECT_FALSE(jvlink_installed());  // the AppDir folder does not count any more

  const std::string ra = jvfeed::ra(jvfeed::key(20240406, 6, 11)).str();
  write_bytes(elsewhere / "0B12" / "20240406.jvd", ra);
  EXPECT_TRUE(jvlink_installed());
  const auto jv = create_jvlink();
  ASSERT_EQ(jv->JVInit("SA730152/SD418967/Ravelin/Ver.1.05"), 0);
  ASSERT_EQ(jv->JVRTOpen("0B12", "20240406"), 0);
  std::string buff;
  std::string name;
  int size = 0;
  EXPECT_EQ(jv->JVRead(buff, size, name), static_cast<int>(ra.size()));
  EXPECT_EQ(buff, ra);
  EXPECT_EQ(jv->JVClose(), 0);
}

TEST(JVLinkFactory, TheHelperCommandKeepsQuotedBlanksAndBackslashes) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"  wine   /opt/r/ravelin-jvlink.exe ", {"wine", "/opt/r/ravelin-jvlink.exe"}},
      {R"("C:\Program Files\Ravelin\ravelin-jvlink.exe" JVDTLab.JVLink)",
       {R"(C:\Program Files\Ravelin\ravelin-jvlink.exe)", "JVDTLab.JVLink"}},
      {"wine '/home/u/my progs/j.exe'", {"wine", "/home/u/my progs/j.exe"}},
      {R"(a"b c"d '' "it's")", {"ab cd", "", "it's"}},
      {"", {}},
  };
  for (const auto& [text, words] : cases) EXPECT_EQ(command_words(text), words) << text;
  EnvScope env("RAVELIN_JVLINK_HELPER", "'/x y/ravelin-jvlink' --feed /f");
  EXPECT_EQ(jvlink_helper_command(),
            (std::vector<std::string>{"/x y/ravelin-jvlink", "--feed", "/f"}));
}

}  // namespace
}  // namespace rv
