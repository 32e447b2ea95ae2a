// "\VRHlog.txt", one summary line per day kept sorted, and the log window (TVRHLogForm) that
// shows it: a row per day, newest first, and the rates over every day.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "support/controls.h"
#include "support/services.h"
#include "support/text.h"

namespace rv {

// The log's lines with `line` in place of the line of its date (the first 8 characters),
// sorted by their text.
void PutVrhLogLine(std::vector<std::string>& log, const std::string& line);

// Reads the log, puts every line in (later lines of the same date win) and saves it whole.
void StoreVrhLogLines(const std::vector<std::string>& lines);

class TVRHLogForm {
 public:
  explicit TVRHLogForm(Desktop& desktop);

  // "読込", also run when 検証方法 changes.
  void ReadBtnClick();
  void RadioGroup1Click() { ReadBtnClick(); }
  // "クリップボードへコピー".
  void ClipBtnClick();

  Grid StringGrid1;
  RadioGroup RadioGroup1{sj("検証方法"), {sj("絞り込み無し"), sj("人気・オッズで絞る")}};
  Label TanTekiLabel;
  Label TanKaiLabel;
  Label FukTekiLabel;
  Label FukKaiLabel;
  Command ReadBtn{sj("読込")};
  Command ClipBtn{sj("クリップボードへコピー")};
  // The window: created at start-up, shown by "VRH過去ログ閲覧", hidden when closed.
  Control Form{false};

 private:
  Desktop& desktop_;
};

}  // namespace rv
