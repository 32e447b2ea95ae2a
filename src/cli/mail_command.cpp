// mail test | mail deliver DAY SLOT: "テスト送信" with the mail settings as stored, or the
// delivery of one race as the delivery timer runs it. Waits for the mail component to finish
// and prints every status text as it is shown (a server reply's first line only). Exit 1
// when the send was refused or did not end in "メールを送信しました。".
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "cli/race_arg.h"
#include "support/text.h"

namespace rv::cli {
namespace {

class MailCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() == 1 && args[0] == "test") return;
    if (args.size() == 3 && args[0] == "deliver") {
      race_ = RaceArgs{};
      race_.parse(args[1], args[2]);
      deliver_ = true;
      return;
    }
    throw UsageError("mail takes test | deliver DAY SLOT");
  }

  int run(CliContext& ctx) override {
    MainForm& f = ctx.form;
    std::string last;
    const auto print = [&](std::string_view text) {
      last = text;
      print_line(ctx.out, text.substr(0, text.find_first_of("\r\n")));
    };
    if (deliver_) {
      MailDelivery& mail = f.mail();
      mail.on_status = print;
      if (race_.show(ctx) != 0) return 1;
      f.DeliverBtnClick();
      WaitForMail(ctx, mail.SendMail1);
      mail.on_status = nullptr;
      return last.empty() || last == SJ("メールを送信しました。") ? 0 : 1;
    }
    TMailSetForm& form = f.MailMenuClick();
    form.on_status = print;
    form.SendTestBtnClick();
    const bool started = !last.empty();
    WaitForMail(ctx, form.SendMail1);
    form.on_status = nullptr;
    return started && last == SJ("メールを送信しました。") ? 0 : 1;
  }

 private:
  bool deliver_ = false;
  RaceArgs race_;
};

}  // namespace

void WaitForMail(CliContext& ctx, const TSendMail& mail) {
  while (mail.Busy()) {
    if (ctx.dispatcher.run_pending() == 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ctx.dispatcher.run_until_idle();
}

std::unique_ptr<CliCommand> make_mail_command() {
  return std::make_unique<MailCommand>();
}

}  // namespace rv::cli
