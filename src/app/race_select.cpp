// The race on screen: selecting a race in the race list, the entry card's sorts, the chase
// list and the clipboard copies of the race card.
#include <string>

#include "app/main_form.h"
#include "model/card_clipboard.h"
#include "model/card_sort.h"

namespace rv {

void MainForm::DatListClick() {
  Day& d = race_day();
  ListControl& list = loaded_day.DatList;
  const int s = list.item_index();
  if (s < 0 || s >= list.count()) return;
  if (!RaceHasHorses(d, s)) {
    dialogs_.info(NoHorseDataMessage(d, s));
    // The race on screen stays, and so does its place in the list: a later redisplay (new
    // odds, new payouts) must show it rather than ask about the refused race again.
    if (day.PageControl1.visible() && d.CurRace >= 0 && d.CurRace < list.count()) {
      list.set_item_index(d.CurRace);
    }
    return;
  }
  ShowRace(d, s, card);

  allocation.SaNumEditExC1.set_text(d.RaceAmount[static_cast<std::size_t>(s)]);
  allocation.SaNumEditExC2.set_text(
      std::to_string(ini.ReadInteger("KaimeSet", "DefaultTarProfit", 10000)));
  // The loss carried over joins with the loss register; until then there is none.
  allocation.SaNumEditExC3.set_text("0");

  GenerateRaceBets();
  day.PageControl1.set_visible(true);
  card.StringGrid6.set_visible(true);
  day.PageControl3.set_visible(true);
  day.Panel8.set_visible(true);
  for (Grid* g : {&card.StringGrid4, &card.StringGrid6, &card.StringGrid26, &card.StringGrid8}) {
    g->select(-1, -1);
  }
}

// The bets of the race on screen: axis and partners by the selection set (JikuHimoBtnClick),
// then the bets of every type with their amounts (KaimeMakeBtnClick).
void MainForm::GenerateRaceBets() {
  kaime_.ShowRaceBets();
}

void MainForm::sisushutubaBtnClick() {
  FillEntryCard(race_day(), card);
}

void MainForm::SpeedButton14Click() {
  SortEntryCard(card);
}

void MainForm::StringGrid6MouseDown(int row) {
  SelectCardHorse(race_day(), card, row);
}

void MainForm::StringGrid6MouseUp() {
  card.StringGrid6.select(-1, -1);
}

void MainForm::R1Click() {
  if (RegisterChaseHorse(race_day(), card, chase_list, dialogs_)) DatListClick();
}

void MainForm::StringGrid26MouseDown(int /*row*/, int col) {
  StringGrid26Press(card, col);
}

void MainForm::ClipBtn1Click() {
  desktop_.set_clipboard(CardClipboardText(card, card.StringGrid26));
}

void MainForm::Clip1Click() {
  ClipBtn1Click();
}

void MainForm::N6Click() {
  desktop_.set_clipboard(CardClipboardText(card, card.StringGrid4));
}

}  // namespace rv
