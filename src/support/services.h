// Services the core asks of its surroundings. The window supplies Qt implementations, the
// command-line tool console ones, tests fakes. Nothing in the core blocks on a person
// except through these calls. All texts are Shift-JIS.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Information box with OK.
  virtual void info(std::string_view text) = 0;
  // Yes/No confirmation; true for Yes.
  virtual bool confirm(std::string_view text) = 0;
  // The general error box for an unexpected failure that ended a handler.
  virtual void error(std::string_view text) = 0;
  virtual void beep() = 0;
  // Busy cursor on or off.
  virtual void busy(bool on) = 0;
  // Lets pending window messages run (clicks, timers) inside a long loop; loops call it
  // through pump_messages (support/message_pump.h), whose handlers are guarded.
  virtual void process_events() = 0;
};

// Dialogs for a run nobody watches (a benchmark, a fuzz target): nothing is shown and every
// question is answered Yes.
class SilentDialogs final : public Dialogs {
 public:
  void info(std::string_view /*text*/) override {}
  bool confirm(std::string_view /*text*/) override { return true; }
  void error(std::string_view /*text*/) override {}
  void beep() override {}
  void busy(bool /*on*/) override {}
  void process_events() override {}
};

class Desktop {
 public:
  virtual ~Desktop() = default;
  // The shell's "open" on a document or folder; false when nothing could open it.
  virtual bool open(const std::filesystem::path& file) = 0;
  // Starts a program with arguments in a working folder; false when it could not start.
  virtual bool launch(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& working_dir) = 0;
  virtual void set_clipboard(std::string_view text) = 0;
  virtual void play_wav(const std::filesystem::path& file) = 0;
  // Folder choice; nullopt when cancelled.
  virtual std::optional<std::filesystem::path> choose_folder(
      std::string_view caption, const std::filesystem::path& start) = 0;
};

// Where the plug-in and viewer programs are installed. On Windows this reads the uninstall
// keys of the registry; elsewhere nothing is installed and every look-up answers empty.
class InstallLocator {
 public:
  virtual ~InstallLocator() = default;
  // Value "Inno Setup: App Path" of the uninstall key named (Shift-JIS); empty when absent.
  [[nodiscard]] virtual std::string app_path_of(std::string_view uninstall_key) const = 0;
};

class NoInstallLocator final : public InstallLocator {
 public:
  [[nodiscard]] std::string app_path_of(std::string_view /*uninstall_key*/) const override {
    return {};
  }
};

}  // namespace rv
