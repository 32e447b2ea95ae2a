// TKaimeSetForm, the investment dialog "投資金設定", without widgets: the investment amount a
// race starts with when its day is loaded ([KaimeSet] DefaultAmount).
#pragma once

#include <functional>
#include <string>

#include "support/controls.h"
#include "support/settings.h"

namespace rv {

class TKaimeSetForm {
 public:
  // The form as it opens, its field loaded from the settings. after_ok runs once the new
  // amount is stored: the window shows its race again, so that the amounts follow.
  TKaimeSetForm(TIniGT& ini, std::function<void()> after_ok);

  static const std::string& Caption();  // "投資金設定"
  static constexpr int kDigits = 6;     // the field takes 6 digits, no sign

  // "OK": an amount below 100 becomes 100 (the field shows it), the amount is stored as
  // [KaimeSet] DefaultAmount, and the race is shown again. Throws FileError when the settings
  // cannot be written; nothing else happens then.
  void OKBtnClick();

  Label Label1;  // "投資金額初期設定"
  Label Label2;  // "買い目を作成するための1レースあたりの投資金額を設定します。"
  Edit AmountEdit;

 private:
  TIniGT& ini_;
  std::function<void()> after_ok_;
};

}  // namespace rv
