#include "app/race_card_panel.h"

#include <string>
#include <utility>

#include "model/card_clipboard.h"
#include "model/card_sort.h"
#include "support/text.h"

namespace rv {

RaceCardPanel::RaceCardPanel(Day& day, RaceCardControls& card, DayControls& days,
                             DayLoadControls& loaded, AllocationControls& allocation,
                             const Label& RuisonLabel, TIniGT& ini, Dialogs& dialogs,
                             Desktop& desktop, std::function<void()> show_bets)
    : day_(day),
      card_(card),
      days_(days),
      loaded_(loaded),
      allocation_(allocation),
      RuisonLabel_(RuisonLabel),
      ini_(ini),
      dialogs_(dialogs),
      desktop_(desktop),
      show_bets_(std::move(show_bets)) {}

void RaceCardPanel::DatListClick() {
  ListControl& list = loaded_.DatList;
  const int s = list.item_index();
  if (s < 0 || s >= list.count()) return;
  if (!RaceHasHorses(day_, s)) {
    dialogs_.info(NoHorseDataMessage(day_, s));
    // The race on screen stays, and so does its place in the list: a later redisplay (new
    // odds, new payouts) must show it rather than ask about the refused race again.
    const int shown = on_screen_.slot();
    if (days_.PageControl1.visible() && shown >= 0 && shown < list.count()) {
      list.set_item_index(shown);
    }
    return;
  }
  ShowRace(day_, s, card_, on_screen_);

  allocation_.SaNumEditExC1.set_text(day_.RaceAmount[static_cast<std::size_t>(s)]);
  allocation_.SaNumEditExC2.set_text(
      std::to_string(ini_.ReadInteger("KaimeSet", "DefaultTarProfit", 10000)));
  // The loss carried over: the loss register's total, 0 while it is empty.
  allocation_.SaNumEditExC3.set_text(std::to_string(num(trim(RuisonLabel_.text()))));

  // Axis and partners by the selection set, then the bets of every type with their amounts.
  show_bets_();
  days_.PageControl1.set_visible(true);
  card_.StringGrid6.set_visible(true);
  days_.PageControl3.set_visible(true);
  days_.Panel8.set_visible(true);
  for (Grid* g :
       {&card_.StringGrid4, &card_.StringGrid6, &card_.StringGrid26, &card_.StringGrid8}) {
    g->select(-1, -1);
  }
}

void RaceCardPanel::sisushutubaBtnClick() {
  FillEntryCard(day_, on_screen_.slot(), card_);
}

void RaceCardPanel::SpeedButton14Click() {
  SortEntryCard(card_);
}

void RaceCardPanel::StringGrid26MouseDown(int /*row*/, int col) {
  StringGrid26Press(card_, col);
}

void RaceCardPanel::ClipBtn1Click() {
  desktop_.set_clipboard(CardClipboardText(card_, card_.StringGrid26));
}

void RaceCardPanel::Clip1Click() {
  ClipBtn1Click();
}

void RaceCardPanel::N6Click() {
  desktop_.set_clipboard(CardClipboardText(card_, card_.StringGrid4));
}

}  // namespace rv
