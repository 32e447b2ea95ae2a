#include "support/dispatcher.h"

#include <cassert>
#include <utility>

namespace rv {

void QueueDispatcher::post(Task task) {
  const std::lock_guard<std::mutex> lock(mutex_);
  queue_.push_back(std::move(task));
}

int QueueDispatcher::run_pending() {
  assert(std::this_thread::get_id() == owner_ && "run on the thread that made the queue");
  std::deque<Task> batch;
  {
    const std::lock_guard<std::mutex> lock(mutex_);
    batch.swap(queue_);
  }
  // Outside the lock: a task may post again.
  for (Task& task : batch) task();
  return static_cast<int>(batch.size());
}

int QueueDispatcher::run_until_idle() {
  int ran = 0;
  while (const int n = run_pending()) ran += n;
  return ran;
}

}  // namespace rv
