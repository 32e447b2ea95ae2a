// Services for tests: dialogs that record what a person would have seen, a desktop that
// records what it was asked, an install locator that knows the uninstall keys it is given.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "support/services.h"

namespace rv::testing {

class FakeDialogs final : public Dialogs {
 public:
  // Every call in order: "info: text", "confirm: text", "error: text", "beep" (Shift-JIS).
  std::vector<std::string> calls;
  bool answer = true;
  // Answers given to the next confirmations in turn, before `answer` applies again.
  std::vector<bool> answers;
  // Runs whenever a loop lets window messages run.
  std::function<void()> on_process_events;

  void info(std::string_view text) override { calls.push_back("info: " + std::string(text)); }
  bool confirm(std::string_view text) override {
    calls.push_back("confirm: " + std::string(text));
    if (!answers.empty()) {
      const bool a = answers.front();
      answers.erase(answers.begin());
      return a;
    }
    return answer;
  }
  void error(std::string_view text) override { calls.push_back("error: " + std::string(text)); }
  void beep() override { calls.emplace_back("beep"); }
  void busy(bool /*on*/) override {}
  void process_events() override {
    if (on_process_events) on_process_events();
  }
};

class FakeDesktop final : public Desktop {
 public:
  // A program started: what it was given, and the process's current folder at that moment.
  struct Launch {
    std::filesystem::path program;
    std::vector<std::string> args;
    std::filesystem::path working_dir;
    std::filesystem::path current_dir;
  };

  std::vector<std::filesystem::path> opened;
  std::vector<Launch> launches;
  bool launch_result = true;
  std::string clipboard;
  std::optional<std::filesystem::path> folder_choice;
  // What the last folder choice was asked with.
  std::string folder_caption;
  std::filesystem::path folder_start;

  bool open(const std::filesystem::path& file) override {
    opened.push_back(file);
    return true;
  }
  bool launch(const std::filesystem::path& program, const std::vector<std::string>& args,
              const std::filesystem::path& working_dir) override {
    opened.push_back(program);
    std::error_code ec;
    launches.push_back({program, args, working_dir, std::filesystem::current_path(ec)});
    return launch_result;
  }
  void set_clipboard(std::string_view text) override { clipboard = text; }
  void play_wav(const std::filesystem::path& file) override { opened.push_back(file); }
  std::optional<std::filesystem::path> choose_folder(std::string_view caption,
                                                     const std::filesystem::path& start) override {
    folder_caption = caption;
    folder_start = start;
    return folder_choice;
  }
};

class MapInstallLocator final : public InstallLocator {
 public:
  // Uninstall key (Shift-JIS) -> "Inno Setup: App Path".
  std::map<std::string, std::string> paths;
  mutable std::vector<std::string> asked;

  [[nodiscard]] std::string app_path_of(std::string_view uninstall_key) const override {
    asked.emplace_back(uninstall_key);
    const auto it = paths.find(std::string(uninstall_key));
    return it == paths.end() ? std::string() : it->second;
  }
};

}  // namespace rv::testing
