// The error log "\ErrorLog.txt": single lines, loaded whole, one line appended, rewritten.
#pragma once

#include <string_view>

namespace rv {

// Appends "【エラー】hh:nn:ss：" + message (Shift-JIS) with the time of app_clock().
void AppendErrorLog(std::string_view message);

// Start-up: keeps the last 100 lines, then adds "ソフト起動：yyyy/mm/dd hh:nn:ss" and a line
// holding AppDir.
void StartErrorLog();

}  // namespace rv
