// TVRHSetForm, "VRH人気・オッズ絞り設定", without widgets: the [VRH] ranges of the ＶＲＨ
// horses. Saving reloads the selected day, so its figures follow the new ranges.
#pragma once

#include <functional>
#include <string>

#include "support/controls.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

class TVRHSetForm {
 public:
  // reload_day loads the selected day again (nothing when none is selected).
  TVRHSetForm(TIniGT& ini, std::function<void()> reload_day);

  static const std::string& Caption();

  // "設定保存": the four values into [VRH], the day reloaded; the window closes after.
  // Throws FileError when the settings cannot be written.
  void SpeedButton1Click();

  Edit Toz1edit1;  // odds, one decimal
  Edit Toz2edit1;
  Edit SaNumEditExC1;  // ranks
  Edit SaNumEditExC2;
  Command SpeedButton1{sj("設定保存")};

 private:
  TIniGT& ini_;
  std::function<void()> reload_day_;
};

}  // namespace rv
