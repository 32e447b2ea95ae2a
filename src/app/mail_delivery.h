// The notice mailed to the user's phone before each race of the loaded day (or the PC's
// chime instead): the menu switches, the delivery timer that picks each race in its delivery
// minute, the text with the race's bets, the release by the [SendInfo] Race choice, and the
// main window's handlers of its mail component. The mail is sent on the component's worker
// thread; its events come back through the dispatcher, so the window never waits for it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/day_loading.h"
#include "app/menus.h"
#include "betting/bet_tables.h"
#include "betting/bracket_preview.h"
#include "mail/send_mail.h"
#include "model/day.h"
#include "model/day_load.h"
#include "model/race_card.h"
#include "support/clock_timer.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"

namespace rv {

// What the race's records give the notice: the title (the mail's subject inside "-") and
// lines 1-2; lines empty when the race has no runners registered (nothing is sent then).
struct DeliveryHead {
  std::string title;
  std::vector<std::string> lines;
};
DeliveryHead DeliveryHeadOf(const RaRecord& ra);

// The live bets with an amount, per bet type: "単勝：3点 900円", then up to ten
// "label/amount円" lines and "他n点" for the rest. Types without such a bet are left out.
std::vector<std::string> DeliveryBetLines(const BetTables& tables);

// What the main window gives the delivery: its controls and the state it reads. Everything
// outlives the delivery.
struct MailDeliveryParts {
  Day& day;
  DayControls& days;
  DayLoadControls& loaded;
  const RaceCardControls& card;
  const PreviewControls& preview;
  const BetTables& bets;
  Menus& menus;
  Label& status;  // the first panel of the status bar
  TIniGT& ini;
  Dialogs& dialogs;
  Desktop& desktop;
  Dispatcher& ui;
  ClockTimers& timers;
  // Set while the automatic odds pass runs; the delivery timer waits then.
  const bool& odds_pass_busy;
  // Selects the race in the race list's slot and runs the race selection.
  std::function<void(int slot)> select_race;
  // The ＶＲＨ horses of a slot's race (horse numbers), for the release by that choice.
  std::function<std::vector<int>(int slot)> vrh_horses;
};

class MailDelivery {
 public:
  explicit MailDelivery(MailDeliveryParts parts);
  MailDelivery(const MailDelivery&) = delete;
  MailDelivery& operator=(const MailDelivery&) = delete;

  // "買い目を携帯メールへ送信する", "携帯ﾒｰﾙの代わりにPCを鳴らす", "配信ﾚｰｽ選択": each
  // toggles or chooses and stores.
  void N30Click();
  void PC1Click();
  void SelHaiR1Click();
  // A method other than the default bets switches the bet mail off.
  void SwitchOff();

  void DeliverTimerTimer();
  // The notice of the race selected in the race list: built, released or not, then rung or
  // mailed.
  void DeliverBtnClick();

  ClockTimer DeliverTimer;
  Command DeliverBtn{sj("配信"), kHidden};
  TSendMail SendMail1;
  // The delivery text list, rebuilt for each delivery.
  std::vector<std::string> DeliverLines;

  // Told the title of every delivery released (a replay lists them), and called after a
  // mail was handed to the component (a program without an event loop waits for it there).
  std::function<void(std::string_view title)> on_deliver;
  std::function<void()> after_send;
  // Told every status text as it is shown.
  std::function<void(std::string_view text)> on_status;

 private:
  [[nodiscard]] bool Released(int slot) const;
  void Status(std::string_view text);
  void AttachEvents();

  MailDeliveryParts p_;
};

// The settings a mail is sent with: [MailSet] SMTP, SMTPPort (25 when not a number), UserID,
// Pass, Security, and the fixed ones of both windows' components.
void SetUpMail(TSendMail& mail, std::string_view host, std::string_view port, std::string_view user,
               std::string_view password, int security);
int MailPort(std::string_view text);

// The chime "mtchime.wav": in the program folder when the user put one there, else the one
// shipped beside the program (or in its share folder).
std::filesystem::path ChimeFile();

}  // namespace rv
