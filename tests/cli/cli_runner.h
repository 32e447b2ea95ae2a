// Runs the built ravelin-cli as a user would: its exit status and its two output streams.
#pragma once

#include <sys/wait.h>

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
  const auto quoted = [](const std::string& s) { return "'" + s + "'"; };
  std::string cmd = quoted(RAVELIN_CLI);
  for (const std::string& a : args) cmd += " " + quoted(a);
  const std::filesystem::path out = io.path() / "out";
  const std::filesystem::path err = io.path() / "err";
  cmd += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
  const int raw = std::system(cmd.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = slurp(out);
  r.err = slurp(err);
  return r;
}

}  // namespace rv::testing
