// ravelin-cli: the window's start-up without widgets, then one command. Each command is a
// CliCommand in a file of its own, listed once in commands.cpp.
#pragma once

#include <filesystem>
#include <memory>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_form.h"
#include "support/controls.h"
#include "support/dispatcher.h"
#include "support/services.h"

namespace rv::cli {

// Wrong arguments: the usage line goes to standard error and the exit status is 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct CliContext {
  MainForm& form;
  Dialogs& dialogs;
  std::ostream& out;  // UTF-8
  // Where the mail component's events wait until the command runs them.
  QueueDispatcher& dispatcher;
  // Standard error, for the progress lines of long runs (UTF-8).
  std::ostream* err = nullptr;
};

class CliCommand {
 public:
  virtual ~CliCommand() = default;
  // The command's own arguments, read before start-up so that a usage error changes nothing.
  // Throws UsageError.
  virtual void parse(const std::vector<std::string>& args) = 0;
  // Runs after start-up: 0 done, 1 refused or failed (the message went to the dialogs).
  virtual int run(CliContext& ctx) = 0;
};

struct CliCommandEntry {
  std::string_view name;
  std::string_view synopsis;  // arguments after the name, for the usage text
  std::unique_ptr<CliCommand> (*make)();
};

std::span<const CliCommandEntry> cli_commands();

// A Shift-JIS text as one UTF-8 line.
void print_line(std::ostream& out, std::string_view sjis);
// A grid as TAB-separated lines, heading row first, cells exactly as the grid holds them.
void print_grid(std::ostream& out, const Grid& grid);

// A progress line of a long run (Shift-JIS) to standard error, as UTF-8.
void print_progress(CliContext& ctx, std::string_view sjis);
// The paths of the files a command wrote, one a line.
void print_written(CliContext& ctx, const std::vector<std::filesystem::path>& files);

// Runs the events a threaded mail hands over until it has been sent or has failed.
void WaitForMail(CliContext& ctx, const TSendMail& mail);

// The whole program; args without the program name. Returns the exit status.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace rv::cli
