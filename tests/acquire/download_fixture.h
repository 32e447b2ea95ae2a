// The stored-data window over the stand-in: a feed folder, a fresh AppDir laid out as start-up
// leaves it, a fixed clock, dialogs that record what a person would see and can act while the
// read loop lets window messages run.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "acquire/cancel_flag.h"
#include "acquire/stored_download.h"
#include "day_test_util.h"
#include "jvfeed/records.h"
#include "sim_fixture.h"
#include "support/clock.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv::testing {

class ScriptDialogs final : public Dialogs {
 public:
  // Every box as "info:", "confirm:" or "error:" + the UTF-8 text; "beep" for a beep.
  std::vector<std::string> shown;
  bool answer = true;
  // Runs whenever the read loop lets window messages run.
  std::function<void()> on_events;
  bool busy_on = false;

  void info(std::string_view text) override { shown.push_back("info:" + to_utf8(text)); }
  bool confirm(std::string_view text) override {
    shown.push_back("confirm:" + to_utf8(text));
    return answer;
  }
  void error(std::string_view text) override { shown.push_back("error:" + to_utf8(text)); }
  void beep() override { shown.emplace_back("beep"); }
  void busy(bool on) override { busy_on = on; }
  void process_events() override {
    if (on_events) on_events();
  }

  // The boxes without the start text and the beeps.
  [[nodiscard]] std::vector<std::string> messages() const {
    std::vector<std::string> out;
    for (const std::string& s : shown) {
      if (s != "beep" && s.find("以降のデータ取込を開始します。") == std::string::npos) {
        out.push_back(s);
      }
    }
    return out;
  }
};

class DownloadTest : public SimTest {
 protected:
  void SetUp() override {
    make_day_folders(app_.path());
    set_app_clock(&clock_);
    CancelFlag = false;
  }
  void TearDown() override {
    set_app_clock(nullptr);
    CancelFlag = false;
  }

  // A stored feed file RACE/<stamp>_<name>.jvd of whole records.
  void deliver(const std::string& stamp, const std::string& name,
               std::initializer_list<std::string_view> records) {
    std::string bytes;
    for (const auto r : records) bytes.append(r);
    put("RACE/" + stamp + "_" + name + ".jvd", bytes);
  }

  // The window opened over a fresh stand-in (jvlink.ini must be written before), or over
  // what `wrap` makes of it.
  using Wrap = std::function<std::unique_ptr<JVLink>(JVLink&)>;
  TGetDataForm& open_form(const Wrap& wrap = {}) {
    form_.reset();
    wrapped_.reset();
    jv_ = make();
    if (wrap) wrapped_ = wrap(*jv_);
    form_ = std::make_unique<TGetDataForm>(dialogs, wrapped_ ? *wrapped_ : *jv_);
    form_->FormCreate();
    form_->on_list_line = [this](std::string_view l) { lines.push_back(to_utf8(l)); };
    form_->on_progress = [this](std::string_view t) { progress.push_back(to_utf8(t)); };
    return *form_;
  }

  // Start and, while files download, the status timer on the stand-in's clock.
  void start(const DateTime& from) {
    form_->DateTimePicker1.set_value(from);
    form_->StartBtnClick();
    RunStatusTimer(*form_, [this](int ms) {
      advance_ms(ms);
      if (on_tick) on_tick();
    });
  }

  [[nodiscard]] std::string last_time() const {
    return to_utf8(TIniGT().ReadString("JvDataGet", "LastTime", ""));
  }
  [[nodiscard]] std::map<std::string, std::string> day_files() const {
    return snapshot(app_.path() / "DATA");
  }

  ScriptDialogs dialogs;
  std::vector<std::string> lines;     // every line added to ListBox1 (UTF-8)
  std::vector<std::string> progress;  // every ProgressLabel text (UTF-8)
  std::function<void()> on_tick;      // after each status-timer wait
  ManualClock clock_{DateTime{2026, 12, 20, 9, 30, 0}};
  AppDirScope app_;

 private:
  std::unique_ptr<JVLinkSim> jv_;
  std::unique_ptr<JVLink> wrapped_;
  std::unique_ptr<TGetDataForm> form_;
};

}  // namespace rv::testing
