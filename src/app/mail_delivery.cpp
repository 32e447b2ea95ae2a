#include "app/mail_delivery.h"

#include <algorithm>
#include <utility>

#include "jvdata/code_tables.h"
#include "jvdata/keiba_format.h"
#include "jvdata/layouts.h"
#include "mail/jis.h"
#include "model/race_card.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/error_log.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {

namespace {

constexpr int kBetsShownPerType = 10;

// The sender's name of every delivered mail.
const std::string& SenderName() {
  static const std::string name = JisToMimeHeader(SjisToJis(sj("[うまログ通信]")));
  return name;
}

}  // namespace

DeliveryHead DeliveryHeadOf(const RaRecord& ra) {
  const auto f = [&](const jv::Field& field) { return ra.field(field); };
  const std::string& course = BashoName(f(jv::head::JyoCD));
  const std::string race = FmtNum(f(jv::head::RaceNum));
  const std::string_view start = f(jv::ra::HassoTime);
  DeliveryHead head;
  head.title = SJ("【") + course + race + SJ("R】") + std::string(start.substr(0, 2)) + ":" +
               std::string(start.substr(2, 2)) + SJ("発走");
  const std::string_view month_day = f(jv::head::MonthDay);
  std::string line1 = "<<" + FmtNum(month_day.substr(0, 2)) + "/" + FmtNum(month_day.substr(2, 2)) +
                      course + race + "R " + FmtNum(f(jv::ra::TorokuTosu)) + SJ("頭>>");
  std::string line2 = TrackName(f(jv::ra::TrackCD), TrackForm::kMedium) + FmtNum(f(jv::ra::Kyori)) +
                      "m " + ShubetuName(f(jv::ra::SyubetuCD), KindWidth::kShort) +
                      JokenName(f(jv::ra::JyokenCDYoungest)) + " " + JuryoName(f(jv::ra::JyuryoCD));
  if (inum(f(jv::ra::TorokuTosu)) > 0) head.lines = {std::move(line1), std::move(line2)};
  return head;
}

std::vector<std::string> DeliveryBetLines(const BetTables& tables) {
  std::vector<std::string> lines;
  for (const BetTable& table : tables) {
    std::vector<std::string> rows;
    std::int64_t invested = 0;
    for (int r = 1; r <= table.data_rows(); ++r) {
      const BetRow& bet = table.bet(r);
      if (!bet.live() || bet.amount <= 0) continue;
      invested += bet.amount;
      rows.push_back(std::string(trim(table.cell(r, BetColumns::kKumi))) + "/" +
                     std::to_string(bet.amount) + SJ("円"));
    }
    if (rows.empty()) continue;
    lines.push_back(
        table.name() + SJ("：") +
        fmt("%d点 %lld円", static_cast<int>(rows.size()), static_cast<long long>(invested)));
    const auto shown = std::min<std::size_t>(rows.size(), kBetsShownPerType);
    lines.insert(lines.end(), rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(shown));
    if (rows.size() > shown) lines.push_back(fmt("他%d点", static_cast<int>(rows.size() - shown)));
  }
  return lines;
}

int MailPort(std::string_view text) {
  const std::string_view t = trim(text);
  return all_digits(t) && t.size() <= 5 ? inum(t) : 25;
}

void SetUpMail(TSendMail& mail, std::string_view host, std::string_view port, std::string_view user,
               std::string_view password, int security) {
  mail.Authentication.Enabled = true;
  mail.MsgContentCharset = "iso-2022-jp";
  mail.MsgContentType = ctPlainText;
  mail.Threaded = true;
  mail.WaitThread = false;
  mail.SMTPHost = host;
  mail.SMTPPort = MailPort(port);
  mail.Authentication.Username = user;
  mail.Authentication.Password = password;
  mail.Security = security == 1 ? secStartTls : security == 2 ? secTls : secNone;
}

std::filesystem::path ChimeFile() {
  const char* name = "mtchime.wav";
  const std::filesystem::path candidates[] = {
      app_dir() / name, executable_dir() / name,
      executable_dir().parent_path() / "share" / "ravelin" / name};
  for (const auto& file : candidates) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(file, ec)) return file;
  }
  return candidates[0];
}

MailDelivery::MailDelivery(MailDeliveryParts parts)
    : DeliverTimer(parts.timers, "DeliverTimer", 40000), SendMail1(parts.ui), p_(std::move(parts)) {
  DeliverTimer.on_timer = [this] { DeliverTimerTimer(); };
  AttachEvents();
}

void MailDelivery::N30Click() {
  Menus& m = p_.menus;
  m.N30.set_checked(!m.N30.checked());
  DeliverTimer.set_enabled(m.N30.checked());
  p_.ini.WriteBool("alarm", "mail", m.N30.checked());
}

void MailDelivery::PC1Click() {
  Menus& m = p_.menus;
  m.PC1.set_checked(!m.PC1.checked());
  p_.ini.WriteBool("alarm", "bell", m.PC1.checked());
}

void MailDelivery::SelHaiR1Click() {
  const Menus& m = p_.menus;
  const int race = m.SelHaiR3.checked() ? 2 : m.SelHaiR2.checked() ? 1 : 0;
  p_.ini.WriteInteger("SendInfo", "Race", race);
}

void MailDelivery::SwitchOff() {
  p_.menus.N30.set_checked(false);
  DeliverTimer.set_enabled(false);
  p_.ini.WriteBool("alarm", "mail", false);
}

void MailDelivery::DeliverTimerTimer() {
  if (p_.days.DateCombo.count() == 0 || is_blank(p_.days.DateCombo.text()) || p_.odds_pass_busy) {
    return;
  }
  DeliverLines.clear();
  const std::string now = format_dt(app_clock().now(), "hhnn");
  Day& day = p_.day;
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    const auto s = static_cast<std::size_t>(slot);
    if (inum(day.O1Data[s].field(jv::head::RaceNum)) <= 0) continue;
    if (trim(day.Work[s].DeliverTime) != now || day.Delivered[s]) continue;
    day.Delivered[s] = true;
    // A race whose card cannot be shown would leave the race before it selected (and a box
    // up that nobody is there to answer); mailing that one in its place would mislead.
    if (!RaceHasHorses(day, slot)) continue;
    p_.select_race(slot);
    if (p_.loaded.DatList.item_index() != slot) continue;
    DeliverBtnClick();
  }
}

bool MailDelivery::Released(int slot) const {
  if (DeliverLines.size() <= 1) return false;
  switch (p_.ini.ReadInteger("SendInfo", "Race", 0)) {
    case 0:
      return true;
    case 1:
      return !p_.preview.KaiPaternLabel.text().empty() || !p_.preview.kinto2tenLabel.text().empty();
    case 2:
      return p_.vrh_horses && !p_.vrh_horses(slot).empty();
    default:
      return false;
  }
}

void MailDelivery::DeliverBtnClick() {
  const int slot = p_.loaded.DatList.item_index();
  if (slot < 0 || slot >= kMaxRaces) return;
  const DeliveryHead head = DeliveryHeadOf(p_.day.RaData[static_cast<std::size_t>(slot)]);
  DeliverLines = head.lines;
  if (DeliverLines.empty()) return;
  DeliverLines.push_back(SJ("オッズ取得時刻:") + p_.card.TFWtimeLabel.text());
  if (!Released(slot)) return;
  const std::vector<std::string> bets = DeliveryBetLines(p_.bets);
  DeliverLines.insert(DeliverLines.end(), bets.begin(), bets.end());
  if (on_deliver) on_deliver(head.title);

  if (p_.ini.ReadBool("alarm", "bell", false)) {
    p_.desktop.play_wav(ChimeFile());
    return;
  }
  const TIniGT& ini = p_.ini;
  SetUpMail(SendMail1, ini.ReadString("MailSet", "SMTP", ""),
            ini.ReadString("MailSet", "SMTPPort", "25"), ini.ReadString("MailSet", "UserID", ""),
            ini.ReadString("MailSet", "Pass", ""), ini.ReadInteger("MailSet", "Security", 0));
  SendMail1.FromAddress = trim(ini.ReadString("MailSet", "MailFrom", ""));
  SendMail1.FromName = SenderName();
  SendMail1.ToAddr = ini.ReadString("MailSet", "MailTo", "");
  SendMail1.MsgSubject = SjisToJis("-" + head.title + "-");
  std::string body;
  for (const std::string& line : DeliverLines) body += line + "\r\n";
  SendMail1.MsgBody = SjisToJis(body);
  if (!SendMail1.Send()) {
    // The component refuses while the last mail is still on its way; the bettor must learn
    // that this race's notice never left.
    AppendErrorLog(head.title + SJ("：前のメールの送信中のため配信できませんでした。"));
    return;
  }
  if (after_send) after_send();
}

void MailDelivery::Status(std::string_view text) {
  p_.status.set_text(text);
  if (on_status) on_status(text);
}

void MailDelivery::AttachEvents() {
  // The events run as posted tasks, where an exception would end the program: a log that
  // cannot be written is said in the status line instead.
  // An empty status leaves the status line as it is.
  const auto failure = [this](std::string_view status, std::string_view logged) {
    if (!status.empty()) Status(status);
    p_.dialogs.beep();
    try {
      AppendErrorLog(logged);
    } catch (const FileError& e) {
      Status(p_.status.text() + " " + e.what());
    }
  };
  SendMail1.OnProgress = [this](TSendMail&, int, int, int percents) {
    Status(fmt("%d％送信済み", percents));
  };
  SendMail1.OnResponse = [this](TSendMail&, int, const std::string& text) { Status(text); };
  SendMail1.OnSuccess = [this](TSendMail&) { Status(SJ("メールを送信しました。")); };
  SendMail1.OnSMTPError = [failure](TSendMail&, int, const std::string& text) {
    failure(SJ("エラー: ") + text, text);
  };
  SendMail1.OnConnLost = [failure](TSendMail&) {
    failure(SJ("接続が切れています。"), SJ("接続が切れています。"));
  };
  SendMail1.OnHostUnreachable = [failure](TSendMail&) {
    failure(SJ("ホストが見つかりません。"), SJ("ホストが見つかりません。"));
  };
  SendMail1.OnAnyError = [this, failure](TSendMail&) { failure({}, "AnyError"); };
}

}  // namespace rv
