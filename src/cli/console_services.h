// The services of a program without windows: what a box would show goes to standard error
// as UTF-8, confirmations take the answer given on the command line, nothing waits for a
// person.
#pragma once

#include <ostream>

#include "support/dispatcher.h"
#include "support/services.h"

namespace rv::cli {

class ConsoleDialogs final : public Dialogs {
 public:
  ConsoleDialogs(std::ostream& err, bool answer_yes) : err_(err), answer_yes_(answer_yes) {}
  void info(std::string_view text) override;
  bool confirm(std::string_view text) override;
  void error(std::string_view text) override;
  void beep() override {}
  void busy(bool /*on*/) override {}
  void process_events() override {}
  // Error boxes shown so far: where the window shows one, the program has failed.
  [[nodiscard]] int errors_shown() const { return errors_shown_; }

 private:
  std::ostream& err_;
  bool answer_yes_;
  int errors_shown_ = 0;
};

// Without an event loop the queue waits for the command: cli runs what was posted once the
// command is done, on the main thread.
using ConsoleDispatcher = QueueDispatcher;

// Nothing to open, launch or play without a desktop; the clipboard text is dropped.
class ConsoleDesktop final : public Desktop {
 public:
  bool open(const std::filesystem::path& /*file*/) override { return false; }
  bool launch(const std::filesystem::path& /*program*/, const std::vector<std::string>& /*args*/,
              const std::filesystem::path& /*working_dir*/) override {
    return false;
  }
  void set_clipboard(std::string_view /*text*/) override {}
  void play_wav(const std::filesystem::path& /*file*/) override {}
  std::optional<std::filesystem::path> choose_folder(
      std::string_view /*caption*/, const std::filesystem::path& /*start*/) override {
    return std::nullopt;
  }
};

}  // namespace rv::cli
