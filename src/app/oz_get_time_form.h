// TOzGetTimeForm, "データﾞ自動取得時刻指定", without widgets: when automatic operation fetches
// the odds of each race ([Time] AutoOzGet minutes before its start), and how often it fetches
// results and data mining ([Time] AutoRdataGet). The horse-weight time is kept but not shown.
// New values take effect at the next day load.
#pragma once

#include <string>

#include "support/controls.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

class TOzGetTimeForm {
 public:
  // The form as it opens, its fields filled from the settings.
  explicit TOzGetTimeForm(TIniGT& ini);

  static const std::string& Caption();  // "データﾞ自動取得時刻指定"

  // "OK": the three values into [Time]. Throws FileError when the settings cannot be
  // written.
  void OKBtnClick();

  Label OzGroup{sj("オッズ自動取得時刻指定")};
  Label OzNote{sj("ｵｯｽﾞを自動取得する際に各ﾚｰｽ発走何分前に取得機能を起動するかを指定します。")};
  SpinEdit AutoOzGet{3, 59, 10};  // "発走" n "分前"
  Label BataijuGroup{sj("馬体重ﾃﾞｰﾀ自動取得時刻指定")};
  SpinEdit AutoBataijuGet{2, 59, 37};
  Label RdataGroup{sj("DM,結果情報自動取得時刻指定")};
  Label RdataNote{
      sj("随時更新されるﾚｰｽ結果情報を何分おきに自動取得するか指定します。同時にﾃﾞｰﾀﾏｲﾆﾝｸﾞも取得"
         "します。")};
  SpinEdit AutoRdataGet{5, 59, 10};  // n "分間隔"

 private:
  TIniGT& ini_;
};

}  // namespace rv
