// A feed folder in a temporary directory, a stand-in over it on a clock the test moves, and
// a compact trace of what JVRead hands out.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "acquire/jvlink_sim.h"
#include "common/temp_dir.h"
#include "support/clock.h"

namespace rv::testing {

inline constexpr std::string_view kSid = "SA730152/SD418967/Ravelin/Ver.1.05";

class SimTest : public ::testing::Test {
 protected:
  // Real-time data is served by the wall clock, which stands at the evening of 2024-04-06
  // unless a test moves it.
  SimTest() { set_app_clock(&wall_); }
  ~SimTest() override { set_app_clock(nullptr); }
  void wall(int hour, int minute) { wall_.set(DateTime{2024, 4, 6, hour, minute}); }

  [[nodiscard]] const std::filesystem::path& feed() const { return dir_.path(); }

  void put(const std::string& relative, std::string_view bytes) {
    write_bytes(feed() / relative, bytes);
  }
  // A stored file RACE/<name> of the given records, each ending in CR LF.
  void stored(const std::string& name, std::initializer_list<std::string_view> records) {
    std::string bytes;
    for (const auto r : records) bytes.append(r).append("\r\n");
    put("RACE/" + name, bytes);
  }
  // A real-time file of whole records (each with its CR LF).
  void realtime(const std::string& relative, std::initializer_list<std::string_view> records) {
    std::string bytes;
    for (const auto r : records) bytes.append(r);
    put(relative, bytes);
  }
  void ini(std::string_view text) { put("jvlink.ini", text); }

  // A stand-in on the test's clock, initialised unless asked otherwise.
  std::unique_ptr<JVLinkSim> make(bool init = true) {
    auto jv = std::make_unique<JVLinkSim>(feed(), [this] { return now_; });
    if (init) {
      EXPECT_EQ(jv->JVInit(kSid), 0);
    }
    return jv;
  }
  void advance_ms(long long ms) { now_ += std::chrono::milliseconds(ms); }

  int open(JVLink& jv, std::string_view from, int option = 1, std::string_view spec = "RACE") {
    return jv.JVOpen(spec, from, option, readcount, downloadcount, lastfile);
  }

  // Records as their text without CR LF (or what label makes of it), "|" for a file switch,
  // "." for the end, "~" for a download still running, "E<code>" for an error; it stops at
  // the first of the last three.
  using Label = std::function<std::string(std::string_view)>;
  // A label of real records: the record id.
  static std::string id_of(std::string_view rec) { return std::string(rec.substr(0, 2)); }
  static std::string trace(JVLink& jv, const Label& label = {}) {
    std::string out;
    for (int guard = 0; guard < 1000; ++guard) {
      std::string buff = "stale";
      std::string name;
      int size = -99;
      const int rc = jv.JVRead(buff, size, name);
      if (!out.empty()) out += ' ';
      if (rc > 0) {
        EXPECT_EQ(rc, size);
        EXPECT_EQ(static_cast<std::size_t>(size), buff.size());
        EXPECT_TRUE(buff.ends_with("\r\n")) << buff;
        const std::string text = buff.substr(0, buff.size() - 2);
        out += label ? label(text) : text;
        continue;
      }
      EXPECT_TRUE(buff.empty());
      EXPECT_EQ(size, 0);
      if (rc == -1) {
        out += '|';
        continue;
      }
      out += rc == 0 ? "." : rc == -3 ? "~" : "E" + std::to_string(rc);
      return out;
    }
    return out + "<no end>";
  }

  int readcount = -99;
  int downloadcount = -99;
  std::string lastfile = "stale";

 private:
  TempDir dir_;
  std::chrono::milliseconds now_{1'000'000};
  ManualClock wall_{DateTime{2024, 4, 6, 20, 0}};
};

}  // namespace rv::testing
