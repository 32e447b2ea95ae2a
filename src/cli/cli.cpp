#include "cli/cli.h"

#include <exception>
#include <optional>
#include <system_error>

#include "acquire/jvlink_factory.h"
#include "app/startup.h"
#include "app/version.h"
#include "cli/console_services.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/install_locator.h"
#include "support/text.h"

namespace rv::cli {
namespace {

struct Options {
  std::optional<fs::path> appdir;
  std::optional<DateTime> clock;  // --clock: the moment the command runs at
  bool version = false;
  bool answer_yes = true;
  std::string command;
  std::vector<std::string> args;
};

// --clock yyyymmddhhmm: a moment to the minute.
DateTime parse_clock(std::string_view value) {
  const DateTime t =
      value.size() == 12 && all_digits(value) ? parse_dt(std::string(value) + "00") : DateTime{};
  if (!t.valid()) {
    throw UsageError("--clock needs a moment as yyyymmddhhmm: '" + std::string(value) + "'");
  }
  return t;
}

// The options of the tool itself count anywhere on the line; whatever else follows the
// command belongs to it.
Options parse_options(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--version") {
      o.version = true;
    } else if (a == "--no") {
      o.answer_yes = false;
    } else if (a == "--appdir") {
      if (++i == args.size()) throw UsageError("--appdir needs a folder");
      o.appdir = utf8_path(args[i]);
    } else if (a.starts_with("--appdir=")) {
      o.appdir = utf8_path(a.substr(9));
    } else if (a == "--clock") {
      if (++i == args.size()) throw UsageError("--clock needs a moment as yyyymmddhhmm");
      o.clock = parse_clock(args[i]);
    } else if (a.starts_with("--clock=")) {
      o.clock = parse_clock(std::string_view(a).substr(8));
    } else if (!o.command.empty()) {
      o.args.push_back(a);
    } else if (a.starts_with("-")) {
      throw UsageError("unknown option " + a);
    } else {
      o.command = a;
    }
  }
  return o;
}

void print_usage(std::ostream& err, std::string_view why) {
  err << "ravelin-cli: " << why << "\n"
      << "usage: ravelin-cli [--appdir DIR] [--clock yyyymmddhhmm] [--no] [--version] COMMAND "
         "[ARGS]\n"
      << "  --clock yyyymmddhhmm  run the command on a clock fixed at that moment\n"
      << "commands:";
  for (const CliCommandEntry& c : cli_commands()) {
    err << "\n  " << c.name;
    if (!c.synopsis.empty()) err << " " << c.synopsis;
  }
  err << "\n";
}

const CliCommandEntry* find_command(std::string_view name) {
  for (const CliCommandEntry& c : cli_commands()) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

}  // namespace

void print_line(std::ostream& out, std::string_view sjis) {
  out << to_utf8(sjis) << "\n";
}

void print_grid(std::ostream& out, const Grid& grid) {
  std::string line;
  for (int r = 0; r < grid.row_count(); ++r) {
    line.clear();
    for (int c = 0; c < grid.col_count(); ++c) {
      if (c > 0) line += '\t';
      line += grid.cell(r, c);
    }
    print_line(out, line);
  }
}

void print_progress(CliContext& ctx, std::string_view sjis) {
  if (ctx.err != nullptr) *ctx.err << to_utf8(sjis) << '\n';
}

void print_written(CliContext& ctx, const std::vector<std::filesystem::path>& files) {
  for (const auto& file : files) print_line(ctx.out, path_text(file));
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options opt;
  std::unique_ptr<CliCommand> command;
  try {
    opt = parse_options(args);
    if (opt.version) {
      out << kVersionText << "\n";
      return 0;
    }
    if (opt.command.empty()) throw UsageError("no command");
    const CliCommandEntry* entry = find_command(opt.command);
    if (entry == nullptr) throw UsageError("unknown command " + opt.command);
    command = entry->make();
    command->parse(opt.args);
  } catch (const UsageError& e) {
    print_usage(err, e.what());
    return 2;
  }

  const fs::path dir = find_app_dir(opt.appdir);
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    print_usage(err, "no such folder " + dir.string());
    return 2;
  }
  set_app_dir(dir);
  // Everything from the start-up on asks this clock, so the command sees that moment.
  const ManualClock fixed(opt.clock.value_or(DateTime{}));
  const AppClockScope clock_scope(opt.clock ? &fixed : nullptr);

  ConsoleDialogs dialogs(err, opt.answer_yes);
  ConsoleDesktop desktop;
  const PlatformInstallLocator installs;
  if (!JVLinkPresenceTest(dialogs)) return 1;
  const std::unique_ptr<JVLink> jvlink = create_jvlink();
  ConsoleDispatcher dispatcher;
  MainForm form(dialogs, desktop, installs, *jvlink, dispatcher);
  CliContext ctx{form, dialogs, out, dispatcher, &err};
  try {
    form.FormCreate();
    form.FormShow();
    const int status = command->run(ctx);
    // What workers handed over while the command ran still happens before the end.
    dispatcher.run_until_idle();
    return status == 0 && dialogs.errors_shown() > 0 ? 1 : status;
  } catch (const std::exception& e) {
    // The window's general error box; FileError texts are Shift-JIS, others ASCII.
    dialogs.error(e.what());
    return 1;
  }
}

}  // namespace rv::cli
