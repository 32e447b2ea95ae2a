// The main window's bet construction handlers.
#include "app/main_form.h"

namespace rv {

void MainForm::BetTableRecompute(BetTable& table) {
  kaime_.BetTableRecompute(table);
}

void MainForm::JikuHimoBtnClick() {
  kaime_.JikuHimoBtnClick();
}

void MainForm::KaimeMakeBtnClick() {
  kaime_.KaimeMakeBtnClick();
}

void MainForm::StringGrid8MouseDown(int row, int col) {
  kaime_.StringGrid8MouseDown(row, col);
}

void MainForm::RadioGroup1Click() {
  kaime_.RadioGroup1Click();
}

void MainForm::SaNumEditExC1Change() {
  kaime_.SaNumEditExC1Change();
}

void MainForm::SaNumEditExC2Change() {
  kaime_.SaNumEditExC2Change();
}

void MainForm::SaNumEditExC3Change() {
  kaime_.SaNumEditExC3Change();
}

void MainForm::OiageBtnClick() {
  kaime_.OiageBtnClick();
}

std::unique_ptr<TKaimeSetForm> MainForm::KaimeSetItemClick() {
  return std::make_unique<TKaimeSetForm>(ini, [this] {
    if (loaded_day.DatList.count() > 0) DatListClick();
  });
}

}  // namespace rv
