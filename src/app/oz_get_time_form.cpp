#include "app/oz_get_time_form.h"

namespace rv {

TOzGetTimeForm::TOzGetTimeForm(TIniGT& ini) : ini_(ini) {
  BataijuGroup.set_visible(false);
  AutoBataijuGet.set_visible(false);
  AutoOzGet.set_value(ini_.ReadInteger("Time", "AutoOzGet", 10));
  AutoBataijuGet.set_value(ini_.ReadInteger("Time", "AutoBataijuGet", 37));
  AutoRdataGet.set_value(ini_.ReadInteger("Time", "AutoRdataGet", 10));
}

const std::string& TOzGetTimeForm::Caption() {
  static const std::string caption = sj("データﾞ自動取得時刻指定");
  return caption;
}

void TOzGetTimeForm::OKBtnClick() {
  ini_.WriteInteger("Time", "AutoOzGet", AutoOzGet.value());
  ini_.WriteInteger("Time", "AutoBataijuGet", AutoBataijuGet.value());
  ini_.WriteInteger("Time", "AutoRdataGet", AutoRdataGet.value());
}

}  // namespace rv
