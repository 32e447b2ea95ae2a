// The main window's voting commands.
#include <optional>

#include "app/main_form.h"

namespace rv {

VoteSource MainForm::vote_source() {
  const Day& d = race_day();
  const ListControl& races = loaded_day.DatList;
  VoteSource source{day.DateCombo.text(), races.item_index(), races.text(), {}};
  if (d.CurRace >= 0 && d.CurRace < kMaxRaces) {
    source.ra = d.RaData[static_cast<std::size_t>(d.CurRace)].view();
  }
  return source;
}

VoteResult MainForm::WriteBetFile(BetType t) {
  return rv::WriteBetFile(vote_source(), bets[t], {ini, dialogs_, desktop_});
}

VoteResult MainForm::SendToVotingPlugin(BetType t) {
  return rv::SendToVotingPlugin(vote_source(), bets[t], {ini, dialogs_, desktop_});
}

void MainForm::TohyouBtnClick() {
  if (const std::optional<BetType> t = bet_type_at(bets.PageControl4.tab_index())) {
    WriteBetFile(*t);
  }
}

void MainForm::TohyoCSVBtnClick() {
  if (const std::optional<BetType> t = bet_type_at(bets.PageControl4.tab_index())) {
    SendToVotingPlugin(*t);
  }
}

void MainForm::N28Click() {
  ChooseBetFolder(ini, desktop_);
}

}  // namespace rv
