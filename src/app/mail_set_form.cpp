#include "app/mail_set_form.h"

#include "app/mail_delivery.h"
#include "mail/jis.h"

namespace rv {

TMailSetForm::TMailSetForm(TIniGT& ini, Dialogs& dialogs, Dispatcher& ui, ListControl& mail_log)
    : PortNote(sj("↑Yahoo!メールを「Outbound Port25 "
                  "Blocking」というしくみを採用しているプロバイダ（BIGLOBE、ニフティ、ぷらら、So-"
                  "netなど）からの送信する場合は587を入力してください。通常は25です。")),
      SecurityGroup(sj("暗号化"), {sj("なし"), "STARTTLS", "SSL/TLS"}),
      SendMail1(ui),
      ini_(ini),
      dialogs_(dialogs),
      mail_log_(mail_log) {
  AttachEvents();
}

const std::string& TMailSetForm::Caption() {
  return SJ("ﾒｰﾙ設定");
}

void TMailSetForm::MailMenuClick() {
  MailToEdit.set_text(ini_.ReadString("MailSet", "MailTo", ""));
  MailFromEdit.set_text(ini_.ReadString("MailSet", "MailFrom", ""));
  SMTPEdit.set_text(ini_.ReadString("MailSet", "SMTP", ""));
  IDEdit.set_text(ini_.ReadString("MailSet", "UserID", ""));
  PassEdit.set_text(ini_.ReadString("MailSet", "Pass", ""));
  SMTPPortEdit.set_text(ini_.ReadString("MailSet", "SMTPPort", "25"));
  const int security = ini_.ReadInteger("MailSet", "Security", 0);
  SecurityGroup.set_item_index(security >= 0 && security <= 2 ? security : 0);
}

void TMailSetForm::Store(std::string_view key, const Edit& edit) {
  ini_.WriteString("MailSet", key, edit.text());
}

void TMailSetForm::MailToEditChange() {
  Store("MailTo", MailToEdit);
}
void TMailSetForm::MailFromEditChange() {
  Store("MailFrom", MailFromEdit);
}
void TMailSetForm::SMTPEditChange() {
  Store("SMTP", SMTPEdit);
}
void TMailSetForm::IDEditChange() {
  Store("UserID", IDEdit);
}
void TMailSetForm::PassEditChange() {
  Store("Pass", PassEdit);
}
void TMailSetForm::SMTPPortEditChange() {
  Store("SMTPPort", SMTPPortEdit);
}
void TMailSetForm::SecurityGroupClick() {
  ini_.WriteInteger("MailSet", "Security", SecurityGroup.item_index());
}

void TMailSetForm::SendTestBtnClick() {
  const struct {
    const Edit& edit;
    std::size_t longer_than;
    const char* message;
  } checks[] = {
      {MailToEdit, 5, "送信先メールアドレスが正常ではありません。"},
      {MailFromEdit, 5, "送信元メールアドレスが正常ではありません。"},
      {SMTPEdit, 2, "SMTPホスト名が未入力か正しくありません。"},
      {IDEdit, 0, "ユーザーIDが未入力です。"},
      {PassEdit, 0, "パスワードが未入力です。"},
  };
  for (const auto& c : checks) {
    if (trim(c.edit.text()).size() <= c.longer_than) {
      dialogs_.beep();
      dialogs_.info(sj(c.message));
      return;
    }
  }
  if (!dialogs_.confirm(SJ("テスト送信します。よろしいですか？"))) return;
  SendTestBtn.set_enabled(false);
  mail_log_.clear();
  const std::string body =
      SJ("[うまログ通信]") + "\r\n\r\n" + SJ("テスト送信です。届きましたか?") + "\r\n";
  StatusBar1.set_text(SJ("メールを送信しています。"));
  if (on_status) on_status(StatusBar1.text());
  SetUpMail(SendMail1, SMTPEdit.text(), SMTPPortEdit.text(), IDEdit.text(), PassEdit.text(),
            SecurityGroup.item_index());
  SendMail1.FromAddress = trim(MailFromEdit.text());
  SendMail1.ToAddr = MailToEdit.text();
  SendMail1.FromName = JisToMimeHeader(SjisToJis(SJ("[VRH]")));
  SendMail1.MsgSubject = SjisToJis(SJ("[うまログ通信]テスト送信"));
  SendMail1.MsgBody = SjisToJis(body);
  SendMail1.Send();
  SendTestBtn.set_enabled(true);
}

void TMailSetForm::Report(std::string_view text, bool failure) {
  StatusBar1.set_text(text);
  mail_log_.add(text);
  if (on_status) on_status(text);
  if (failure) {
    dialogs_.beep();
    SendTestBtn.set_enabled(true);
  }
}

void TMailSetForm::AttachEvents() {
  SendMail1.OnProgress = [this](TSendMail&, int, int, int percents) {
    Report(fmt("%d％送信済み", percents));
  };
  SendMail1.OnResponse = [this](TSendMail&, int, const std::string& text) { Report(text); };
  SendMail1.OnSuccess = [this](TSendMail&) {
    Report(SJ("メールを送信しました。"));
    SendTestBtn.set_enabled(true);
  };
  SendMail1.OnSMTPError = [this](TSendMail&, int, const std::string& text) {
    Report(SJ("エラー: ") + text, true);
  };
  const auto lost = [this](const std::string& text) {
    Report(text, true);
    dialogs_.info(text);
  };
  SendMail1.OnConnLost = [lost](TSendMail&) { lost(SJ("接続が切れています。")); };
  SendMail1.OnHostUnreachable = [lost](TSendMail&) { lost(SJ("ホストが見つかりません。")); };
  SendMail1.OnAnyError = [this](TSendMail&) {
    mail_log_.add("AnyError");
    if (on_status) on_status("AnyError");
    dialogs_.beep();
    SendTestBtn.set_enabled(true);
  };
}

}  // namespace rv
