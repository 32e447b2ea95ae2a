// The helper's COM calls against the fake control: in process, and registered with regsvr32
// and created by its ProgID in ravelin-jvlink behind the bridge, so the real creation runs.
#include "jvhelper/jvlink_com.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "acquire/jvlink_bridge.h"
#include "acquire/sim_fixture.h"
#include "jvhelper/fake_jvlink.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::FakeJVLink;
using testing::kSid;

class JVLinkComTest : public testing::SimTest {
 protected:
  JVLinkComTest() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~JVLinkComTest() override { CoUninitialize(); }

  // A record with half-width katakana, a full-width digit and 表 (second byte 0x5C), and one
  // of the codes a wide string folds into another (EEE0, 879A).
  const std::string plain_ = sj("RAｱｲｳ１表");
  const std::string folded_ = std::string("SE") + "\xEE\xE0\x87\x9A";
  testing::AppDirScope app_;  // the bridge's error log goes there
};

TEST_F(JVLinkComTest, JVGetsGivesTheBytesAsServedAndJVReadServesWithoutIt) {
  stored("20240401000000_a.jvd", {plain_, folded_});
  for (const bool gets : {true, false}) {
    SCOPED_TRACE(gets);
    auto* fake = new FakeJVLink(feed(), gets);
    {
      JVLinkCom jv(fake);
      ASSERT_EQ(jv.JVInit(kSid), 0);
      ASSERT_EQ(open(jv, "20240101000000"), 0);
      EXPECT_EQ(lastfile, "20240401000000");
      std::string buff;
      std::string name;
      int size = 0;
      ASSERT_EQ(jv.JVRead(buff, size, name), static_cast<int>(plain_.size() + 2));
      EXPECT_EQ(buff, plain_ + "\r\n");
      EXPECT_EQ(name, "20240401000000_a.jvd");
      ASSERT_GT(jv.JVRead(buff, size, name), 0);
      if (gets) {
        EXPECT_EQ(buff, folded_ + "\r\n");
      }
      EXPECT_EQ(trace(jv), "| .");
      EXPECT_EQ(jv.JVClose(), 0);
      EXPECT_EQ(jv.JVStatus(), -203);
    }
    fake->Release();
  }
}

TEST_F(JVLinkComTest, TheRegisteredFakeIsCreatedByProgIdBehindTheBridge) {
  const std::string dll = FAKE_JVLINK_DLL;
  if (std::system(("regsvr32 /s \"" + dll + "\"").c_str()) != 0) {
    GTEST_SKIP() << "regsvr32 cannot register " << dll << " here";
  }
  stored("20240401000000_a.jvd", {plain_, folded_});
  stored("20240402000000_b.jvd", {"HR1"});
  setenv("JVLINK_SIM_FEED", feed().string().c_str(), 1);
  JVLinkBridge bridge({RAVELIN_JVLINK, "Ravelin.FakeJVLink"});
  EXPECT_EQ(bridge.JVInit(kSid), 0);
  EXPECT_EQ(open(bridge, "20240101000000"), 0);
  EXPECT_EQ(trace(bridge), plain_ + " " + folded_ + " | HR1 | .");
  EXPECT_EQ(bridge.JVClose(), 0);
  EXPECT_EQ(bridge.JVRTOpen("0B99", "20240406"), -111);
  unsetenv("JVLINK_SIM_FEED");
  // Left registered: the download tests register the same server and may run meanwhile.
}

TEST_F(JVLinkComTest, AProgIdThatNamesNothingGivesMinus401) {
  JVLinkBridge bridge({RAVELIN_JVLINK, "Ravelin.NoSuchControl"});
  EXPECT_EQ(bridge.JVInit(kSid), -401);
}

}  // namespace
}  // namespace rv
