// A program started with its standard input and output as pipes to this process, for a
// helper that answers requests one at a time. Its standard error stays this process's.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

class ChildProcess {
 public:
  ChildProcess();
  ~ChildProcess();  // ends the program if it still runs
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // argv[0] is looked up on the PATH; arguments are UTF-8. False when it cannot be started.
  bool start(const std::vector<std::string>& argv);
  [[nodiscard]] bool running() const;

  // False when the program has gone (its end of the pipe closed) or on an error.
  bool write_all(std::string_view bytes);
  // Exactly n bytes. False at the end of its output, on an error, or when the deadline set
  // by set_deadline passes first: the program is then ended, so a hung helper never blocks
  // this process for longer than that.
  bool read_exact(char* buf, std::size_t n);
  // The time the next reads may take in all; zero: no limit.
  void set_deadline(std::chrono::milliseconds within);

  // Ends the program at once and waits for it.
  void kill();

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace rv
