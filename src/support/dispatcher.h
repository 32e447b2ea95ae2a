// Work handed to the user-interface thread. The window's controls (support/controls.h), the
// forms that own them and every handler are touched only on that one thread; a worker thread
// (a mail being sent, a fetch) never changes them itself but posts a task that does.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace rv {

class Dispatcher {
 public:
  using Task = std::function<void()>;
  virtual ~Dispatcher() = default;
  // Queues `task` to run on the user-interface thread after what is already queued. Safe
  // from any thread; never runs the task before returning.
  virtual void post(Task task) = 0;
};

// The queue of a program without an event loop (ravelin-cli) and of the tests: posted tasks
// wait until the thread that made the queue runs them.
class QueueDispatcher final : public Dispatcher {
 public:
  QueueDispatcher() = default;
  QueueDispatcher(const QueueDispatcher&) = delete;
  QueueDispatcher& operator=(const QueueDispatcher&) = delete;

  void post(Task task) override;
  // Runs, in order and on the calling thread, the tasks queued when it was called; what
  // they post waits for the next call. Answers how many ran. Only the owning thread may
  // call it (asserted in debug builds).
  int run_pending();
  // Runs tasks until none is queued, those posted meanwhile included.
  int run_until_idle();

 private:
  std::mutex mutex_;
  std::deque<Task> queue_;
  const std::thread::id owner_ = std::this_thread::get_id();
};

}  // namespace rv
