#include "betting/bet_construction.h"

#include "betting/hit_evaluation.h"
#include "support/num_text.h"
#include "support/text.h"

namespace rv {

BetConstruction::BetConstruction(Day& day, Grid& StringGrid8, BetTables& tables,
                                 TUserKaimeForm& sets, RadioGroup& RadioGroup1, TIniGT& ini,
                                 Dialogs& dialogs)
    : OiageBtn(sj("追い上げ")),
      day_(day),
      grid8_(StringGrid8),
      tables_(tables),
      sets_(sets),
      mode_group_(RadioGroup1),
      ini_(ini),
      dialogs_(dialogs) {
  SaNumEditExC1.set_text("0");
  SaNumEditExC2.set_text("0");
  SaNumEditExC3.set_text("0");
}

std::int64_t BetConstruction::amount() const {
  return num(SaNumEditExC1.text());
}

AllocationMode BetConstruction::mode() const {
  return AllocationModeOf(mode_group_.item_index());
}

void BetConstruction::ShowRaceBets(int slot, std::string_view ruison_text) {
  if (slot < 0 || slot >= kMaxRaces) return;
  StringGrid8Sort.reset();
  SaNumEditExC1.set_text(day_.RaceAmount[static_cast<std::size_t>(slot)]);
  SaNumEditExC2.set_text(NumText::Int(ini_.ReadInteger("KaimeSet", "DefaultTarProfit", 10000), 0));
  SaNumEditExC3.set_text(NumText::Int(num(ruison_text), 0));
  tables_.set_race(&day_.Payouts.table[static_cast<std::size_t>(slot)]);
  JikuHimoBtnClick();
  KaimeMakeBtnClick();
}

void BetConstruction::JikuHimoBtnClick() {
  ApplySelectionSet(day_, day_.CurRace, sets_.Current(), grid8_);
}

void BetConstruction::KaimeMakeBtnClick() {
  GenerateBets(day_, day_.CurRace, grid8_, sets_.Current(), mode(), amount(), tables_);
}

void BetConstruction::StringGrid8MouseDown(int row, int col) {
  StringGrid8Press(grid8_, StringGrid8Sort, row, col);
  KaimeMakeBtnClick();
}

void BetConstruction::Reallocate() {
  const int slot = day_.CurRace;
  for (const BetType t : kGeneratedTypes) {
    BetTable& table = tables_[t];
    AllocateFunds(table, mode(), amount());
    EvaluateBetTable(table, RacePayoutEntries(day_, slot, t));
  }
}

void BetConstruction::RadioGroup1Click() {
  ini_.WriteInteger("KaimeSet", "HaibunSet", mode_group_.item_index());
  Reallocate();
}

void BetConstruction::SaNumEditExC1Change() {
  const int slot = day_.CurRace;
  if (slot >= 0 && slot < kMaxRaces) {
    day_.RaceAmount[static_cast<std::size_t>(slot)] = SaNumEditExC1.text();
  }
  Reallocate();
}

void BetConstruction::OiageBtnClick() {
  const std::string_view r_text =
      trim(tables_[BetType::kWakuren].total(BetTotal::kYosoKaishu).text());
  const double rate = dnum(r_text, 0.0);
  const std::optional<std::int64_t> oiage =
      OiageAmount(num(SaNumEditExC2.text()), num(SaNumEditExC3.text()), rate,
                  ini_.ReadInteger("KaimeSet", "DefaultZogaku", 100));
  if (!oiage) {
    dialogs_.beep();
    dialogs_.info(SJ("この組合せまたは金額では資金配分ができません。"));
    return;
  }
  SaNumEditExC1.set_text(NumText::Int(*oiage, 0));
  SaNumEditExC1Change();
}

void BetConstruction::BetTableRecompute(BetTable& table) {
  AllocationMode m = mode();
  if (table.type() == BetType::kWakuren) {
    int live = 0;
    for (int r = 1; r <= table.data_rows(); ++r) live += table.live(r) ? 1 : 0;
    const int method = ini_.ReadInteger("KaimeSet", "ExKaime", 0);
    if (live != 2 && method != 1 && method != 2) m = AllocationMode::kProportional;
  }
  CompleteBetTable(day_, day_.CurRace, table, m, amount());
}

}  // namespace rv
