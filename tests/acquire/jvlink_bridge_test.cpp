// JVLinkBridge over ravelin-jvlink serving the stand-in: what the stand-in answers reaches
// the caller unchanged, and a helper that dies or hangs costs one -401, never the program.
#include "acquire/jvlink_bridge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
// after windows.h
#include <tlhelp32.h>
#else
#include <csignal>
#endif

#include "sim_fixture.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::AppDirScope;
using testing::kSid;
using testing::slurp;

class JVLinkBridgeTest : public testing::SimTest {
 protected:
  std::vector<std::string> helper() const { return {RAVELIN_JVLINK, "--feed", feed().string()}; }
#ifdef _WIN32
  std::vector<std::string> watched_helper() const {
    return helper();
  }
  // The helper is the one child of this process by that name.
  static HANDLE open_helper(DWORD access) {
    const HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD pid = 0;
    for (BOOL more = Process32FirstW(snap, &entry); more && pid == 0;
         more = Process32NextW(snap, &entry)) {
      if (entry.th32ParentProcessID == GetCurrentProcessId() &&
          _wcsicmp(entry.szExeFile, L"ravelin-jvlink.exe") == 0) {
        pid = entry.th32ProcessID;
      }
    }
    CloseHandle(snap);
    return pid == 0 ? nullptr : OpenProcess(access, FALSE, pid);
  }
  void kill_helper() const {
    const HANDLE h = open_helper(PROCESS_TERMINATE | SYNCHRONIZE);
    ASSERT_NE(h, nullptr);
    TerminateProcess(h, 1);
    WaitForSingleObject(h, INFINITE);
    CloseHandle(h);
  }
  void stop_helper() const {
    using Suspend = LONG(NTAPI*)(HANDLE);
    const auto suspend = reinterpret_cast<Suspend>(  // NOLINT: the export has no header
        reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtSuspendProcess")));
    const HANDLE h = open_helper(PROCESS_SUSPEND_RESUME);
    ASSERT_NE(h, nullptr);
    ASSERT_NE(suspend, nullptr);
    EXPECT_EQ(suspend(h), 0);
    CloseHandle(h);
  }
#else
  // The helper started through a shell that leaves its process id in a file, so that it can
  // be killed or stopped.
  std::vector<std::string> watched_helper() const {
    return {"sh", "-c",
            "echo $$ > '" + pid_file() + "'; exec '" RAVELIN_JVLINK "' --feed '" + feed().string() +
                "'"};
  }
  [[nodiscard]] std::string pid_file() const {
    return (app_.path() / "helper.pid").string();
  }
  void kill_helper() const {
    ::kill(std::stoi(slurp(pid_file())), SIGKILL);
  }
  void stop_helper() const {
    ::kill(std::stoi(slurp(pid_file())), SIGSTOP);
  }
#endif
  AppDirScope app_;
};

TEST_F(JVLinkBridgeTest, RecordsComeByteForByteAsTheStandInServesThem) {
  // Half-width katakana, a full-width digit, 表 (second byte 0x5C) and 0xEE 0xE0, a code
  // that a round trip through the wide string would fold into another.
  const std::string odd = sj("RAｱｲｳ１表") + "\xEE\xE0" + "\x87\x9A";
  stored("20240401000000_a.jvd", {odd, "SE1"});
  stored("20240402000000_b.jvd", {"HR2"});
  const auto sim = make();
  ASSERT_EQ(open(*sim, "20240101000000"), 0);
  const int sim_count = readcount;
  EXPECT_EQ(trace(*sim), odd + " SE1 | HR2 | .");

  JVLinkBridge bridge(helper());
  ASSERT_EQ(bridge.JVInit(kSid), 0);
  ASSERT_EQ(open(bridge, "20240101000000"), 0);
  EXPECT_EQ(readcount, sim_count);
  EXPECT_EQ(lastfile, "20240402000000");
  EXPECT_EQ(trace(bridge), odd + " SE1 | HR2 | .");
  std::string buff;
  std::string name;
  int size = 0;
  EXPECT_EQ(bridge.JVRead(buff, size, name), 0);
  EXPECT_EQ(bridge.JVClose(), 0);
}

TEST_F(JVLinkBridgeTest, EveryResultCodePassesUnchanged) {
  struct Case {
    const char* op;
    std::vector<int> codes;
  };
  const std::vector<int> open_codes = {-1,   -2,   -111, -112, -114, -115, -116,
                                       -201, -202, -211, -301, -302, -303, -401,
                                       -411, -412, -413, -421, -431, -501, -504};
  const std::vector<Case> cases = {
      {"JVInit", {-101, -102, -103}},
      {"JVSetUIProperties", {-100, -101}},
      {"JVOpen", open_codes},
      {"JVRTOpen", open_codes},
      {"JVStatus", {-201, -203, -502, 7}},
      {"JVRead", {-1, -3, -201, -202, -203, -402, -403, -502, -503}},
      {"JVClose", {-1}},
      {"JVCancel", {-1}},
  };
  std::string ini = "[fail]\n";
  for (const Case& c : cases) {
    // JVInit's first call sets the control up for the rest.
    const int first = std::string_view(c.op) == "JVInit" ? 2 : 1;
    for (std::size_t i = 0; i < c.codes.size(); ++i) {
      ini += std::string(c.op) + "." + std::to_string(first + i) + "=" +
             std::to_string(c.codes[i]) + "\n";
    }
  }
  this->ini(ini);
  JVLinkBridge bridge(helper());
  ASSERT_EQ(bridge.JVInit(kSid), 0);
  for (const Case& c : cases) {
    for (const int code : c.codes) {
      const std::string op = c.op;
      std::string buff;
      std::string name;
      int size = 0;
      int got = 0;
      if (op == "JVInit") got = bridge.JVInit(kSid);
      if (op == "JVSetUIProperties") got = bridge.JVSetUIProperties();
      if (op == "JVOpen") got = open(bridge, "20240101000000");
      if (op == "JVRTOpen") got = bridge.JVRTOpen("0B12", "20240406");
      if (op == "JVStatus") got = bridge.JVStatus();
      if (op == "JVRead") got = bridge.JVRead(buff, size, name);
      if (op == "JVClose") got = bridge.JVClose();
      if (op == "JVCancel") got = bridge.JVCancel();
      EXPECT_EQ(got, code) << op;
    }
  }
}

TEST_F(JVLinkBridgeTest, AHelperKilledInAReadGivesMinus401AndTheNextOpenWorks) {
  // More records than the helper reads ahead: those it had read arrive, then -401.
  std::string many;
  for (int i = 0; i < 500; ++i) many += "SE1\r\n";
  put("RACE/20240401000000_a.jvd", many);
  JVLinkBridge bridge(watched_helper());
  ASSERT_EQ(bridge.JVInit(kSid), 0);
  ASSERT_EQ(open(bridge, "20240101000000"), 0);
  std::string buff;
  std::string name;
  int size = 0;
  ASSERT_EQ(bridge.JVRead(buff, size, name), 5);
  kill_helper();
  int got = 1;
  int more = 0;
  while ((got = bridge.JVRead(buff, size, name)) == 5) ++more;
  EXPECT_EQ(got, -401);
  EXPECT_LT(more, 499);
  EXPECT_EQ(bridge.JVRead(buff, size, name), -401);  // the stream went with the helper
  EXPECT_EQ(bridge.JVClose(), 0);
  const std::string log = to_utf8(slurp(app_.path() / "ErrorLog.txt"));
  EXPECT_NE(log.find("JVRead：JV-Linkの補助プロセス（ravelin-jvlink）が応答しません(-401)"),
            std::string::npos)
      << log;

  // A fresh helper, initialised with the sid of before.
  stored("20240401000000_a.jvd", {"RA1", "SE1"});
  ASSERT_EQ(open(bridge, "20240101000000"), 0);
  EXPECT_EQ(trace(bridge), "RA1 SE1 | .");
}

TEST_F(JVLinkBridgeTest, AHelperThatStopsAnsweringIsEndedAtTheTimeLimit) {
  stored("20240401000000_a.jvd", {"RA1"});
  JVLinkBridge bridge(watched_helper(), std::chrono::milliseconds(300));
  ASSERT_EQ(bridge.JVInit(kSid), 0);
  ASSERT_EQ(open(bridge, "20240101000000"), 0);
  stop_helper();
  EXPECT_EQ(bridge.JVStatus(), -401);
  ASSERT_EQ(open(bridge, "20240101000000"), 0);
  EXPECT_EQ(trace(bridge), "RA1 | .");
}

TEST_F(JVLinkBridgeTest, AHelperThatCannotStartGivesMinus401) {
  JVLinkBridge bridge({(feed() / "no-such-helper").string()});
  EXPECT_EQ(bridge.JVInit(kSid), -401);
  EXPECT_EQ(bridge.JVClose(), 0);
}

}  // namespace
}  // namespace rv
