#include "betting/kaime_set_form.h"

#include <algorithm>

#include "betting/fund_allocation.h"
#include "support/num_text.h"
#include "support/text.h"

namespace rv {

const std::string& TKaimeSetForm::Caption() {
  return SJ("投資金設定");
}

TKaimeSetForm::TKaimeSetForm(TIniGT& ini, std::function<void()> after_ok)
    : Label1(sj("投資金額初期設定")),
      Label2(sj("買い目を作成するための1レースあたりの投資金額を設定します。")),
      ini_(ini),
      after_ok_(std::move(after_ok)) {
  AmountEdit.set_text(NumText::Int(ini_.ReadInteger("KaimeSet", "DefaultAmount", 3000), 0));
}

void TKaimeSetForm::OKBtnClick() {
  // Only digits reach the field; whatever else is there reads 0, and so 100.
  constexpr std::int64_t kMax = 999999;
  const std::int64_t amount = std::clamp(num(AmountEdit.text()), kMinBet, kMax);
  AmountEdit.set_text(NumText::Int(amount, 0));
  ini_.WriteInteger("KaimeSet", "DefaultAmount", static_cast<int>(amount));
  if (after_ok_) after_ok_();
}

}  // namespace rv
