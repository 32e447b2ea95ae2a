#include "app/voting.h"

#include <optional>

namespace rv {

Voting::Voting(const Day& day, const RaceOnScreen& on_screen, const DayControls& days,
               const DayLoadControls& loaded, BetTables& bets, TIniGT& ini, Dialogs& dialogs,
               Desktop& desktop)
    : day_(day),
      on_screen_(on_screen),
      days_(days),
      loaded_(loaded),
      bets_(bets),
      ini_(ini),
      dialogs_(dialogs),
      desktop_(desktop) {}

VoteSource Voting::vote_source() const {
  const ListControl& races = loaded_.DatList;
  VoteSource source{days_.DateCombo.text(), races.item_index(), races.text(), {}};
  const int slot = on_screen_.slot();
  if (slot >= 0 && slot < kMaxRaces) source.ra = day_.RaData[static_cast<std::size_t>(slot)].view();
  return source;
}

VoteResult Voting::WriteBetFile(BetType t) {
  return rv::WriteBetFile(vote_source(), bets_[t], {ini_, dialogs_, desktop_});
}

VoteResult Voting::SendToVotingPlugin(BetType t) {
  return rv::SendToVotingPlugin(vote_source(), bets_[t], {ini_, dialogs_, desktop_});
}

void Voting::TohyouBtnClick() {
  if (const std::optional<BetType> t = bet_type_at(bets_.PageControl4.tab_index())) {
    WriteBetFile(*t);
  }
}

void Voting::TohyoCSVBtnClick() {
  if (const std::optional<BetType> t = bet_type_at(bets_.PageControl4.tab_index())) {
    SendToVotingPlugin(*t);
  }
}

void Voting::N28Click() {
  ChooseBetFolder(ini_, desktop_);
}

}  // namespace rv
