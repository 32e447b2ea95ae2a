// TMailSetForm, "ﾒｰﾙ設定", without widgets: where the delivery mail goes and how it is sent.
// Every edit is stored the moment it changes; "テスト送信" checks the entries and sends a
// short mail with the window's own mail component, whose events show in the window's status
// bar and in the main window's mail log.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "mail/send_mail.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

class TMailSetForm {
 public:
  // Everything given outlives the form; mail_log is the main window's list.
  TMailSetForm(TIniGT& ini, Dialogs& dialogs, Dispatcher& ui, ListControl& mail_log);
  TMailSetForm(const TMailSetForm&) = delete;
  TMailSetForm& operator=(const TMailSetForm&) = delete;

  static const std::string& Caption();  // "ﾒｰﾙ設定"

  // "ﾒｰﾙ設定" in the main menu: the edits from [MailSet], before the window shows.
  void MailMenuClick();
  // An edit changed by the user: its key written at once. Throws FileError when the
  // settings cannot be written.
  void MailToEditChange();
  void MailFromEditChange();
  void SMTPEditChange();
  void IDEditChange();
  void PassEditChange();
  void SMTPPortEditChange();
  void SecurityGroupClick();
  // "テスト送信".
  void SendTestBtnClick();

  Edit MailToEdit;
  Edit MailFromEdit;
  Edit SMTPEdit;
  Edit IDEdit;
  Edit PassEdit;  // shown masked
  Edit SMTPPortEdit;
  Label PortNote;
  RadioGroup SecurityGroup;  // [MailSet] Security
  Command SendTestBtn{sj("テスト送信")};
  Label StatusBar1;
  TSendMail SendMail1;

  // Told every status text as it is shown (a program without a window prints them).
  std::function<void(std::string_view text)> on_status;

 private:
  void Store(std::string_view key, const Edit& edit);
  // Shown and logged; a failure also beeps and gives the button back.
  void Report(std::string_view text, bool failure = false);
  void AttachEvents();

  TIniGT& ini_;
  Dialogs& dialogs_;
  ListControl& mail_log_;
};

}  // namespace rv
