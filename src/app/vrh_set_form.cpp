#include "app/vrh_set_form.h"

#include <utility>

#include "betting/vrh_ranges.h"

namespace rv {

TVRHSetForm::TVRHSetForm(TIniGT& ini, std::function<void()> reload_day)
    : ini_(ini), reload_day_(std::move(reload_day)) {
  const VrhRanges r = LoadVrhRanges(ini_);
  Toz1edit1.set_text(fmt("%.1f", r.toz1));
  Toz2edit1.set_text(fmt("%.1f", r.toz2));
  SaNumEditExC1.set_text(std::to_string(r.tnin1));
  SaNumEditExC2.set_text(std::to_string(r.tnin2));
}

const std::string& TVRHSetForm::Caption() {
  return SJ("VRH人気・オッズ絞り設定");
}

void TVRHSetForm::SpeedButton1Click() {
  // The edits take 4 integer and 1 decimal digit; what is stored is what they show.
  ini_.WriteString("VRH", "Toz1", fmt("%.1f", dnum(Toz1edit1.text())));
  ini_.WriteString("VRH", "Toz2", fmt("%.1f", dnum(Toz2edit1.text())));
  ini_.WriteInteger("VRH", "Tnin1", inum(SaNumEditExC1.text()));
  ini_.WriteInteger("VRH", "Tnin2", inum(SaNumEditExC2.text()));
  if (reload_day_) reload_day_();
}

}  // namespace rv
