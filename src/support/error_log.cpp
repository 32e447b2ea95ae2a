#include "support/error_log.h"

#include <string>
#include <utility>
#include <vector>

#include "support/app_dir.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::size_t kKeptLines = 100;

fs::path log_path() {
  return app_path("\\ErrorLog.txt");
}

std::function<void(std::string_view)>& echo() {
  static std::function<void(std::string_view)> e;
  return e;
}

}  // namespace

ErrorLogEcho::ErrorLogEcho(std::function<void(std::string_view line)> echo_to)
    : before_(std::exchange(echo(), std::move(echo_to))) {}

ErrorLogEcho::~ErrorLogEcho() {
  echo() = std::move(before_);
}

void AppendErrorLog(std::string_view message) {
  const fs::path path = log_path();
  std::vector<std::string> lines = read_lines(path);
  lines.push_back(SJ("【エラー】") + format_dt(app_clock().now(), "hh:nn:ss") + SJ("：") +
                  std::string(message));
  write_lines(path, lines);
  if (echo()) echo()(lines.back());
}

void StartErrorLog() {
  const fs::path path = log_path();
  std::vector<std::string> lines = read_lines(path);
  if (lines.size() > kKeptLines) {
    lines.erase(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(kKeptLines));
  }
  lines.push_back(SJ("ソフト起動：") + format_dt(app_clock().now(), "yyyy/mm/dd hh:nn:ss"));
  lines.push_back(app_dir_text());
  write_lines(path, lines);
}

}  // namespace rv
