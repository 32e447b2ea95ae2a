#include "mail/send_mail.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <utility>

namespace rv {

// One threaded dialogue as both threads see it.
struct TSendMail::Run {
  mail::SocketAbort socket;
  std::mutex mutex;
  std::condition_variable changed;
  bool aborted = false;       // no event is delivered any more
  bool finished = false;      // the worker has nothing left to do
  std::uint64_t posted = 0;   // events handed to the user-interface thread
  std::uint64_t handled = 0;  // of them, those whose handler has returned
};

// The dialogue's events turned into calls of the component's handlers, each handed to
// `deliver`: run at once, or carried to the user-interface thread.
class TSendMail::Events final : public SmtpEvents {
 public:
  explicit Events(std::function<void(NotifyEvent)> deliver) : deliver_(std::move(deliver)) {}

  void Response(int code, const std::string& text) override {
    deliver_([code, text](TSendMail& m) {
      if (m.OnResponse) m.OnResponse(m, code, text);
    });
  }
  void SMTPError(int code, const std::string& text) override {
    deliver_([code, text](TSendMail& m) {
      if (m.OnSMTPError) m.OnSMTPError(m, code, text);
    });
  }
  void Progress(int size, int sent, int percent) override {
    deliver_([=](TSendMail& m) {
      if (m.OnProgress) m.OnProgress(m, size, sent, percent);
    });
  }
  void Success() override { Notify(&TSendMail::OnSuccess); }
  void HostUnreachable() override { Notify(&TSendMail::OnHostUnreachable); }
  void ConnLost() override { Notify(&TSendMail::OnConnLost); }
  void AnyError() { Notify(&TSendMail::OnAnyError); }

 private:
  void Notify(NotifyEvent TSendMail::*event) {
    deliver_([event](TSendMail& m) {
      if (m.*event) (m.*event)(m);
    });
  }
  std::function<void(NotifyEvent)> deliver_;
};

void TSendMail::DeliverAndWait(const std::shared_ptr<Run>& run, NotifyEvent call) {
  std::unique_lock<std::mutex> lock(run->mutex);
  if (run->aborted) return;
  const std::uint64_t ticket = ++run->posted;
  // A handler's exception stays on the user-interface thread.
  ui_.post([this, run, call = std::move(call), ticket] {
    {
      const std::lock_guard<std::mutex> l(run->mutex);
      if (run->aborted) return;
    }
    try {
      call(*this);
    } catch (...) {
      // Ends here: the worker must not see it.
    }
    {
      const std::lock_guard<std::mutex> l(run->mutex);
      run->handled = ticket;
    }
    run->changed.notify_all();
  });
  run->changed.notify_all();
  run->changed.wait(lock, [&] { return run->handled >= ticket || run->aborted; });
}

TSendMail::TSendMail(Dispatcher& ui, std::function<void()> process_messages)
    : ui_(ui), process_messages_(std::move(process_messages)) {}

TSendMail::~TSendMail() {
  *alive_ = false;
  StopWorker();
}

SmtpJob TSendMail::Job() const {
  SmtpJob job;
  job.SMTPHost = SMTPHost;
  job.SMTPPort = SMTPPort;
  job.Security = Security;
  job.ReceiveTimeout = std::chrono::milliseconds(ReceiveTimeout);
  job.AuthEnabled = Authentication.Enabled;
  job.Username = Authentication.Username;
  job.Password = Authentication.Password;
  job.ToBCC = ToBCC;
  MailMessage& m = job.Message;
  m.FromAddress = FromAddress;
  m.FromName = FromName;
  m.FromOrganization = FromOrganization;
  m.ReplyTo = ReplyTo;
  m.ToAddr = ToAddr;
  m.ToCC = ToCC;
  m.MsgSubject = MsgSubject;
  m.MsgDateTime = MsgDateTime == DateTime{} ? app_clock().now() : MsgDateTime;
  m.AddHeaders = AddHeaders;
  m.MsgContentType = MsgContentType;
  m.MsgContentCharset = MsgContentCharset;
  m.Agent = Agent;
  m.MsgPriority = MsgPriority;
  m.MsgBody = MsgBody;
  return job;
}

bool TSendMail::Send() {
  if (!Threaded) {
    Events events([this](const NotifyEvent& call) { call(*this); });
    RunSmtpDialogue(Job(), events, nullptr);
    return true;
  }
  if (busy_) return false;
  StartWorker();
  return WaitThread ? Wait(run_) : true;
}

void TSendMail::StartWorker() {
  StopWorker();
  auto run = std::make_shared<Run>();
  run_ = run;
  busy_ = true;
  worker_ = std::thread([this, run, job = Job()] {
    Events events([this, run](NotifyEvent call) { DeliverAndWait(run, std::move(call)); });
    try {
      RunSmtpDialogue(job, events, &run->socket);
    } catch (...) {
      events.AnyError();
    }
    const std::lock_guard<std::mutex> lock(run->mutex);
    run->finished = true;
    run->changed.notify_all();
    if (run->aborted) return;
    // Busy ends on the user-interface thread, after every event of this dialogue.
    ui_.post([this, run] {
      {
        const std::lock_guard<std::mutex> l(run->mutex);
        if (run->aborted) return;
      }
      if (run_ == run) busy_ = false;
    });
  });
}

bool TSendMail::Wait(const std::shared_ptr<Run>& run) {
  using namespace std::chrono;
  const std::shared_ptr<bool> alive = alive_;
  const auto deadline = steady_clock::now() + milliseconds(WaitTimeout);
  for (;;) {
    // A handler run from here may destroy the component: only locals are safe after it.
    const std::function<void()> pump = process_messages_;
    if (pump) pump();
    if (!*alive) return false;
    if (!busy_ || run_ != run) return true;
    if (WaitTimeout > 0 && steady_clock::now() >= deadline) {
      bool terminate = true;
      if (OnWaitTimeoutExpired) OnWaitTimeoutExpired(*this, terminate);
      if (!*alive) return false;
      if (!terminate) return true;
      StopWorker();
      return false;
    }
    std::unique_lock<std::mutex> lock(run->mutex);
    run->changed.wait_for(lock, milliseconds(5),
                          [&] { return run->posted > run->handled || run->finished; });
  }
}

void TSendMail::StopWorker() {
  if (run_) {
    run_->socket.abort();
    {
      const std::lock_guard<std::mutex> lock(run_->mutex);
      run_->aborted = true;
    }
    run_->changed.notify_all();
  }
  if (worker_.joinable()) worker_.join();
  run_.reset();
  busy_ = false;
}

}  // namespace rv
