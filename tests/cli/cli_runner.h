// Runs the built ravelin-cli as a user would: its exit status and its two output streams.
#pragma once

#ifdef _WIN32
#include "support/win_text.h"
#else
#include <sys/wait.h>
#endif

#include <cstdlib>
#include <string>
#include <vector>

#include "common/temp_dir.h"

namespace rv::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline CliResult run_cli(const std::vector<std::string>& args) {
  static const TempDir io;
#ifdef _WIN32
  // cmd.exe quotes with double quotes, and wants the whole line quoted once more.
  const auto quoted = [](const std::string& s) { return "\"" + s + "\""; };
#else
  const auto quoted = [](const std::string& s) { return "'" + s + "'"; };
#endif
  std::string cmd = quoted(RAVELIN_CLI);
  for (const std::string& a : args) cmd += " " + quoted(a);
  const std::filesystem::path out = io.path() / "out";
  const std::filesystem::path err = io.path() / "err";
  cmd += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
#ifdef _WIN32
  // Through the wide call: the arguments are UTF-8, never the ANSI code page.
  const int raw = _wsystem(rv::widen("\"" + cmd + "\"").c_str());
  CliResult r;
  r.status = raw;
#else
  const int raw = std::system(cmd.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  r.out = slurp(out);
  r.err = slurp(err);
  return r;
}

}  // namespace rv::testing
