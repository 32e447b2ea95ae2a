// The error log "\ErrorLog.txt": single lines, loaded whole, one line appended, rewritten.
#pragma once

#include <functional>
#include <string_view>

namespace rv {

// Appends "【エラー】hh:nn:ss：" + message (Shift-JIS) with the time of app_clock().
void AppendErrorLog(std::string_view message);

// While it lives, every line AppendErrorLog writes is also handed to `echo` as written
// (Shift-JIS, without the line end), for a program that reports the log as it grows.
class ErrorLogEcho {
 public:
  explicit ErrorLogEcho(std::function<void(std::string_view line)> echo);
  ~ErrorLogEcho();
  ErrorLogEcho(const ErrorLogEcho&) = delete;
  ErrorLogEcho& operator=(const ErrorLogEcho&) = delete;

 private:
  std::function<void(std::string_view)> before_;
};

// Start-up: keeps the last 100 lines, then adds "ソフト起動：yyyy/mm/dd hh:nn:ss" and a line
// holding AppDir.
void StartErrorLog();

}  // namespace rv
