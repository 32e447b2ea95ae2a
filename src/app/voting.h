// Voting from the main window: the voting file or the voting plug-in for the bets of one bet
// type of the race on screen. "PATBET" and "RGT2投票" take the bet type of the active tab of
// PageControl4 and do nothing without one; the items of the "投票ファイル" menu each take
// their own.
#pragma once

#include "app/day_loading.h"
#include "betting/bet_tables.h"
#include "model/bet_type.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_on_screen.h"
#include "output/tohyo_controls.h"
#include "output/voting_files.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

class Voting {
 public:
  // Everything given outlives this object.
  Voting(const Day& day, const RaceOnScreen& on_screen, const DayControls& days,
         const DayLoadControls& loaded, BetTables& bets, TIniGT& ini, Dialogs& dialogs,
         Desktop& desktop);
  Voting(const Voting&) = delete;
  Voting& operator=(const Voting&) = delete;

  void TohyouBtnClick();
  void TohyoCSVBtnClick();
  void N19Click() { WriteBetFile(BetType::kTansho); }
  void N20Click() { WriteBetFile(BetType::kFukusho); }
  void N21Click() { WriteBetFile(BetType::kWakuren); }
  void N22Click() { WriteBetFile(BetType::kUmaren); }
  void N23Click() { WriteBetFile(BetType::kWide); }
  void N24Click() { WriteBetFile(BetType::kUmatan); }
  void N25Click() { WriteBetFile(BetType::kSanrenpuku); }
  void N26Click() { WriteBetFile(BetType::kSanrentan); }
  // "買い目ﾌｫﾙﾀﾞ指定": the folder of the .BET files.
  void N28Click();
  // The voting file of one bet type, as the commands write it, and the plug-in hand-over.
  VoteResult WriteBetFile(BetType t);
  VoteResult SendToVotingPlugin(BetType t);

  TohyoControls tohyo;

 private:
  [[nodiscard]] VoteSource vote_source() const;

  const Day& day_;
  const RaceOnScreen& on_screen_;
  const DayControls& days_;
  const DayLoadControls& loaded_;
  BetTables& bets_;
  TIniGT& ini_;
  Dialogs& dialogs_;
  Desktop& desktop_;
};

}  // namespace rv
