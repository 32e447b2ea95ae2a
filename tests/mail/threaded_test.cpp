#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "mail/send_mail.h"
#include "mail/smtp_server.h"
#include "support/text.h"

namespace rv {
namespace {

using namespace std::chrono_literals;
using testing::AimAt;
using testing::EventLog;
using testing::SmtpServer;
using Clock = std::chrono::steady_clock;

class ThreadedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SmtpServer::Get().TakeLog();
    events_.Attach(mail_);
    AimAt(mail_, "plain", true);
    mail_.Threaded = true;
  }
  // The user-interface thread's loop, until the component is idle.
  void RunUntilIdle() {
    while (mail_.Busy()) {
      ui_.run_pending();
      std::this_thread::sleep_for(1ms);
    }
    ui_.run_until_idle();
  }
  QueueDispatcher ui_;
  TSendMail mail_{ui_, [this] { ui_.run_pending(); }};
  EventLog events_;
};

TEST_F(ThreadedTest, EventsArriveOnTheUiThreadWhileTheWorkerWaitsForEachHandler) {
  std::vector<std::thread::id> threads;
  bool went_on_during_handler = false;
  mail_.OnResponse = [&](TSendMail&, int code, const std::string&) {
    threads.push_back(std::this_thread::get_id());
    events_.lines.push_back(fmt("Response %d", code));
    if (code == 220) {
      std::this_thread::sleep_for(100ms);
      went_on_during_handler = !SmtpServer::Get().TakeLog().empty();
    }
  };
  ASSERT_TRUE(mail_.Send());
  EXPECT_FALSE(mail_.Send());  // busy: refused, nothing started
  RunUntilIdle();
  EXPECT_FALSE(went_on_during_handler);
  EXPECT_EQ(events_.lines.size(), 12U);
  EXPECT_EQ(events_.lines.back(), "Success");
  EXPECT_THAT(threads, ::testing::Each(std::this_thread::get_id()));

  events_.lines.clear();
  ASSERT_TRUE(mail_.Send());  // idle again: a fresh thread
  RunUntilIdle();
  EXPECT_EQ(events_.lines.back(), "Success");
}

TEST_F(ThreadedTest, AHandlersExceptionStaysOnTheUiThread) {
  mail_.OnResponse = [](TSendMail&, int, const std::string&) {
    throw std::runtime_error("handler");
  };
  ASSERT_TRUE(mail_.Send());
  RunUntilIdle();
  EXPECT_EQ(events_.lines.back(), "Success");
}

TEST_F(ThreadedTest, WaitThreadReturnsOnceTheDialogueHasEnded) {
  mail_.WaitThread = true;
  ASSERT_TRUE(mail_.Send());
  EXPECT_FALSE(mail_.Busy());
  EXPECT_EQ(events_.lines.back(), "Success");
}

TEST_F(ThreadedTest, AnExpiredWaitEndsTheThreadUnlessTheHandlerKeepsIt) {
  for (const bool keep : {false, true}) {
    SCOPED_TRACE(keep);
    events_.lines.clear();
    AimAt(mail_, "silent", false);
    mail_.Threaded = true;
    mail_.WaitThread = true;
    mail_.WaitTimeout = 100;
    mail_.ReceiveTimeout = keep ? 300 : 10000;
    mail_.OnWaitTimeoutExpired = [&](TSendMail&, bool& terminate) {
      events_.lines.emplace_back("WaitTimeoutExpired");
      terminate = !keep;
    };
    const auto start = Clock::now();
    EXPECT_EQ(mail_.Send(), keep);
    EXPECT_LT(Clock::now() - start, 2s);
    EXPECT_EQ(mail_.Busy(), keep);
    RunUntilIdle();
    const std::vector<std::string> ended = {"WaitTimeoutExpired"};
    const std::vector<std::string> kept = {"WaitTimeoutExpired", "ConnLost"};
    EXPECT_EQ(events_.lines, keep ? kept : ended);
  }
}

TEST(ThreadedSendMail, DestructionEndsTheDialogueAtOnceWithoutEvents) {
  // The worker waits on the socket (silent) or for the greeting's handler to run (plain).
  for (const char* listener : {"silent", "plain"}) {
    SCOPED_TRACE(listener);
    QueueDispatcher ui;
    EventLog events;
    const auto start = Clock::now();
    {
      TSendMail mail(ui);
      events.Attach(mail);
      AimAt(mail, listener, false);
      mail.Threaded = true;
      mail.ReceiveTimeout = 10000;
      ASSERT_TRUE(mail.Send());
      std::this_thread::sleep_for(100ms);
    }
    ui.run_until_idle();
    EXPECT_TRUE(events.lines.empty());
    EXPECT_LT(Clock::now() - start, 2s);
  }
}

}  // namespace
}  // namespace rv
