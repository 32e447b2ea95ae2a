// The notice mailed before each race, against the tests' SMTP server: a day of 中山 on
// 2026-12-06 replayed on a manual clock, the mails the server took, the settings window's
// test send and what a failing server leaves in the status line and the error log.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "acquire/day_store.h"
#include "app/main_form.h"
#include "common/day_form_fixture.h"
#include "common/temp_dir.h"
#include "jvfeed/records.h"
#include "mail/jis.h"
#include "mail/smtp_server.h"
#include "support/text.h"

namespace rv {
namespace {

using jvfeed::Odds;
using testing::ServerEntry;
using testing::SmtpServer;
using Lines = std::vector<std::string>;

struct Race {
  const char* start;
  int runners;      // horses on the card
  int registered;   // 登録頭数 of the race record
  bool odds;        // an O1 record (win odds 2.0, 3.0, ... by number unless `long_shots`)
  bool pattern;     // 枠連 odds giving a recommended box, else a skipped one
  bool long_shots;  // every horse but the favourite above 50.0: no ＶＲＨ horse
};

// The races of the day in slots 0..4. 1R has a pattern and a ＶＲＨ horse, 2R neither, 3R a
// ＶＲＨ horse only, 4R no odds, 5R no card to show yet.
const Race kDay[] = {{"1000", 10, 10, true, true, false},
                     {"1030", 10, 10, true, false, true},
                     {"1100", 10, 10, true, false, false},
                     {"1130", 10, 10, false, false, false},
                     {"1200", 0, 10, true, false, false}};

struct Options {
  int race = 0;  // [SendInfo] Race
  bool bell = false;
  const char* listener = "plain";
  const char* pass = "secret";
};

class MailDeliveryTest : public testing::DayFormFixture {
 protected:
  MailDeliveryTest() : DayFormFixture(DateTime{2026, 12, 6, 9, 30}) { SmtpServer::Get().TakeLog(); }

  void store_day() {
    DayStore store(DayStore::Mode::kWriteBack);
    const auto put = [&](const jvfeed::Record& r) {
      store.Store(r, RecordOrigin::kStoredData, true);
    };
    for (int r = 0; r < static_cast<int>(std::size(kDay)); ++r) {
      const Race& race = kDay[r];
      const auto key = jvfeed::key(20261206, 6, r + 1);
      put(jvfeed::ra(key, {.runners = race.registered, .start = race.start}));
      auto o1 = jvfeed::o1(key, race.runners);
      for (int h = 1; h <= race.runners; ++h) {
        put(jvfeed::se(key, {.data_kind = '7', .horse = h, .runners = race.runners}));
        o1.win(h, Odds::of_tenths(h == 1 ? 20 : race.long_shots ? 600 + h : 10 + 10 * h), h);
      }
      if (race.pattern) {
        o1.bracket(1, 2, 4.0, 1).bracket(1, 3, 8.0, 2).bracket(2, 3, 8.0, 3).bracket(4, 5, 50.0, 4);
      } else {
        o1.bracket(1, 2, 2.0, 1).bracket(1, 3, 4.0, 2).bracket(2, 3, 8.0, 3).bracket(4, 5, 8.0, 4);
      }
      if (race.odds) put(o1);
    }
    store.Flush();
  }

  // The day loaded at 09:30 with delivery on, the settings aimed at a listener.
  MainForm& open_day(const Options& setup = {}) {
    const int port = SmtpServer::Get().Port(setup.listener);
    testing::write_bytes(dir.path() / "ravelin.ini",
                         fmt("[MailSet]\r\nMailTo=phone@ravelin.example\r\nMailFrom= "
                             "bot@ravelin.example \r\nSMTP=127.0.0.1\r\nSMTPPort=%d\r\n"
                             "UserID=user\r\nPass=%s\r\n[alarm]\r\nmail=1\r\nbell=%d\r\n"
                             "[SendInfo]\r\nRace=%d\r\n",
                             port, setup.pass, setup.bell ? 1 : 0, setup.race));
    store_day();
    clock_.set({2026, 12, 6, 9, 30});
    MainForm& f = start();
    f.FormShow();
    choose_day("2026年12月06日");
    MailDelivery& mail = f.mail();
    mail.after_send = [this, &mail] {
      sent_at.push_back(format_dt(clock_.now(), "hhnn"));
      while (mail.SendMail1.Busy()) {
        if (dispatcher.run_pending() == 0) std::this_thread::yield();
      }
    };
    return f;
  }

  // The messages the server took, as they arrived.
  static Lines Messages() {
    Lines out;
    for (const ServerEntry& e : SmtpServer::Get().TakeLog()) {
      if (e.kind == "CONTENT") out.push_back(e.text);
    }
    return out;
  }
  static std::string Subject(const std::string& message) {
    const std::size_t at = message.find("Subject: ");
    return message.substr(at + 9, message.find("\r\n", at) - at - 9);
  }

  Lines sent_at;
};

TEST_F(MailDeliveryTest, EachReleasedRaceIsMailedInItsDeliveryMinuteByTheRaceChoice) {
  const struct {
    int choice;
    Lines at;
  } cases[] = {{0, {"0952", "1022", "1052"}}, {1, {"0952"}}, {2, {"0952", "1052"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice);
    sent_at.clear();
    MainForm& f = open_day({.race = c.choice});
    ASSERT_TRUE(f.mail().DeliverTimer.enabled());
    f.timers().run_until(clock_, DateTime{2026, 12, 6, 12, 40});
    EXPECT_EQ(sent_at, c.at);
    const Lines messages = Messages();
    ASSERT_EQ(messages.size(), c.at.size());
    EXPECT_EQ(Subject(messages[0]), SjisToJis(sj("-【中山 1R】10:00発走-")));
    EXPECT_FALSE(f.race_day().Delivered[3]);  // no odds: never taken up
    // Taken up, but its card cannot be shown: not mailed as the race before it, and no box
    // waits for somebody who is not there.
    EXPECT_TRUE(f.race_day().Delivered[4]);
    EXPECT_EQ(std::count_if(dialogs.calls.begin(), dialogs.calls.end(),
                            [](const std::string& c) { return c.starts_with("info"); }),
              0);
  }
}

TEST_F(MailDeliveryTest, TheMailCarriesTheRaceTheOddsTimeAndItsBets) {
  MainForm& f = open_day();
  click_race(0);
  f.DeliverBtnClick();
  const Lines messages = Messages();
  ASSERT_EQ(messages.size(), 1U);
  const std::string& m = messages[0];
  EXPECT_NE(m.find("From: \"" + JisToMimeHeader(SjisToJis(sj("[うまログ通信]"))) +
                   "\" <bot@ravelin.example>\r\n"),
            std::string::npos);
  const std::string body = m.substr(m.find("\r\n\r\n") + 4);
  const Lines& lines = f.mail().DeliverLines;
  ASSERT_GE(lines.size(), 5U);
  EXPECT_EQ(to_utf8(lines[0]), "<<12/ 6中山 1R 10頭>>");
  EXPECT_EQ(to_utf8(lines[2]), "オッズ取得時刻:" + to_utf8(f.card.TFWtimeLabel.text()));
  std::string expected;
  for (const std::string& l : lines) expected += l + "\r\n";
  EXPECT_EQ(body, SjisToJis(expected));
  // The 枠連 box extracted at the race selection is among the bets, with its points.
  EXPECT_NE(std::find_if(lines.begin(), lines.end(),
                         [](const std::string& l) { return to_utf8(l).starts_with("枠連：3点 "); }),
            lines.end());
}

TEST_F(MailDeliveryTest, NothingIsMailedForAMissedMinute) {
  MainForm& f = open_day();
  f.auto_operation().OzLoopBusy = true;  // an odds pass through the whole of 09:52
  clock_.set({2026, 12, 6, 9, 52, 30});
  f.mail().DeliverTimerTimer();
  f.auto_operation().OzLoopBusy = false;
  clock_.set({2026, 12, 6, 9, 53, 10});
  f.mail().DeliverTimerTimer();
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MailDeliveryTest, TheBellRingsInsteadOfMailing) {
  MainForm& f = open_day({.bell = true});
  click_race(0);
  f.DeliverBtnClick();
  ASSERT_EQ(desktop.opened.size(), 1U);
  EXPECT_EQ(desktop.opened[0].filename(), "mtchime.wav");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(MailDeliveryTest, AFailingServerIsShownAndLoggedAndABusyComponentDropsTheNextRace) {
  open_day({.pass = "wrong"});
  click_race(0);
  form->DeliverBtnClick();
  const std::string log = to_utf8(testing::slurp(dir.path() / "ErrorLog.txt"));
  EXPECT_NE(log.find("：535"), std::string::npos);
  EXPECT_EQ(log.find("wrong"), std::string::npos);

  // A log that cannot be written is said in the status line; the event must not throw.
  std::filesystem::remove(dir.path() / "ErrorLog.txt");
  std::filesystem::create_directory(dir.path() / "ErrorLog.txt");
  std::string shown;
  form->mail().on_status = [&](std::string_view text) { shown += std::string(text) + "\n"; };
  form->DeliverBtnClick();
  EXPECT_NE(shown.find("ErrorLog.txt"), std::string::npos) << to_utf8(shown);
  std::filesystem::remove(dir.path() / "ErrorLog.txt");

  open_day({.listener = "silent"});
  form->mail().after_send = nullptr;  // the first mail still waits for the silent server
  click_race(0);
  form->DeliverBtnClick();
  click_race(1);
  form->DeliverBtnClick();
  EXPECT_NE(to_utf8(testing::slurp(dir.path() / "ErrorLog.txt"))
                .find("【中山 2R】10:30発走：前のメールの送信中のため配信できませんでした。"),
            std::string::npos);
}

TEST_F(MailDeliveryTest, TheTestSendRefusesIncompleteEntriesThenSends) {
  MainForm& f = open_day();
  TMailSetForm& form = f.MailMenuClick();
  const struct {
    Edit& edit;
    const char* bad;
    const char* message;
  } checks[] = {{form.MailToEdit, " a@b.c ", "送信先メールアドレスが正常ではありません。"},
                {form.MailFromEdit, "a@b.c", "送信元メールアドレスが正常ではありません。"},
                {form.SMTPEdit, "ab", "SMTPホスト名が未入力か正しくありません。"},
                {form.IDEdit, " ", "ユーザーIDが未入力です。"},
                {form.PassEdit, "", "パスワードが未入力です。"}};
  for (const auto& c : checks) {
    const std::string good = c.edit.text();
    c.edit.set_text(c.bad);
    dialogs.calls.clear();
    form.SendTestBtnClick();
    EXPECT_EQ(dialogs.calls, (Lines{"beep", "info: " + sj(c.message)})) << c.message;
    c.edit.set_text(good);
  }
  form.SendTestBtnClick();
  while (form.SendMail1.Busy()) dispatcher.run_pending();
  dispatcher.run_until_idle();
  EXPECT_EQ(to_utf8(form.StatusBar1.text()), "メールを送信しました。");
  EXPECT_EQ(to_utf8(f.MailLog.items().back()), "メールを送信しました。");
  const Lines messages = Messages();
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(Subject(messages[0]), SjisToJis(sj("[うまログ通信]テスト送信")));
}

TEST(DeliveryHead, ARaceWithoutRegisteredRunnersHasNoLines) {
  RaRecord ra{};
  ra.assign(jvfeed::ra(jvfeed::key(20261206, 6, 11), {.runners = 0, .start = "1540"}).str());
  const DeliveryHead head = DeliveryHeadOf(ra);
  EXPECT_EQ(to_utf8(head.title), "【中山11R】15:40発走");
  EXPECT_TRUE(head.lines.empty());
}

TEST(MailPort, TextThatIsNotANumberMeans25) {
  const struct {
    const char* text;
    int port;
  } cases[] = {{"587", 587}, {" 465 ", 465}, {"", 25}, {"25a", 25}, {"-1", 25}, {"9999999", 25}};
  for (const auto& c : cases) EXPECT_EQ(MailPort(c.text), c.port) << c.text;
}

}  // namespace
}  // namespace rv
