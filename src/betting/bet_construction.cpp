#include "betting/bet_construction.h"

#include "betting/hit_evaluation.h"
#include "support/num_text.h"
#include "support/text.h"

namespace rv {

BetConstruction::BetConstruction(Day& day, const RaceOnScreen& on_screen,
                                 const BetControls& controls, TIniGT& ini, Dialogs& dialogs)
    : OiageBtn(sj("追い上げ")),
      day_(day),
      on_screen_(on_screen),
      c_(controls),
      ini_(ini),
      dialogs_(dialogs) {}

std::int64_t BetConstruction::amount() const {
  return num(c_.SaNumEditExC1.text());
}

AllocationMode BetConstruction::mode() const {
  return AllocationModeOf(c_.RadioGroup1.item_index());
}

void BetConstruction::ShowRaceBets() {
  const int slot = on_screen_.slot();
  if (slot < 0 || slot >= kMaxRaces) return;
  StringGrid8Sort.reset();
  c_.tables.set_race(&day_.Payouts.table[static_cast<std::size_t>(slot)]);
  JikuHimoBtnClick();
  KaimeMakeBtnClick();
}

void BetConstruction::JikuHimoBtnClick() {
  ApplySelectionSet(day_, on_screen_.slot(), c_.sets.Current(), c_.StringGrid8);
}

void BetConstruction::KaimeMakeBtnClick() {
  GenerateBets(day_, on_screen_.slot(), c_.StringGrid8, c_.sets.Current(), mode(), amount(),
               c_.tables);
}

void BetConstruction::StringGrid8MouseDown(int row, int col) {
  StringGrid8Press(c_.StringGrid8, StringGrid8Sort, row, col);
  KaimeMakeBtnClick();
}

void BetConstruction::Reallocate() {
  const int slot = on_screen_.slot();
  for (const BetType t : kGeneratedTypes) {
    BetTable& table = c_.tables[t];
    AllocateFunds(table, mode(), amount());
    EvaluateBetTable(table, RacePayoutEntries(day_, slot, t));
  }
}

void BetConstruction::RadioGroup1Click() {
  ini_.WriteInteger("KaimeSet", "HaibunSet", c_.RadioGroup1.item_index());
  Reallocate();
}

void BetConstruction::SaNumEditExC1Change() {
  const int slot = on_screen_.slot();
  if (slot >= 0 && slot < kMaxRaces) {
    day_.RaceAmount[static_cast<std::size_t>(slot)] = c_.SaNumEditExC1.text();
  }
  Reallocate();
}

void BetConstruction::OiageBtnClick() {
  const std::string_view r_text =
      trim(c_.tables[BetType::kWakuren].total(BetTotal::kYosoKaishu).text());
  const double rate = dnum(r_text, 0.0);
  const std::optional<std::int64_t> oiage =
      OiageAmount(num(c_.SaNumEditExC2.text()), num(c_.SaNumEditExC3.text()), rate,
                  ini_.ReadInteger("KaimeSet", "DefaultZogaku", 100));
  if (!oiage) {
    dialogs_.beep();
    dialogs_.info(SJ("この組合せまたは金額では資金配分ができません。"));
    return;
  }
  c_.SaNumEditExC1.set_text(NumText::Int(*oiage, 0));
  SaNumEditExC1Change();
}

void BetConstruction::BetTableRecompute(BetTable& table) {
  AllocationMode m = mode();
  if (table.type() == BetType::kWakuren) {
    int live = 0;
    for (int r = 1; r <= table.data_rows(); ++r) live += table.live(r) ? 1 : 0;
    const bool own_mode = c_.Kaime3Include.checked() || c_.NagasiKaime.checked();
    if (live != 2 && !own_mode) m = AllocationMode::kProportional;
  }
  CompleteBetTable(day_, on_screen_.slot(), table, m, amount());
}

}  // namespace rv
