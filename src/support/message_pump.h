// Long loops (a day being loaded, the stored-data read loop) let pending window messages run
// so that the window repaints and a cancel can get through. Such a message may call a
// handler that is still running further down the stack: "JVデータ取得" or "データ取込み開始"
// pressed again during the read, another day chosen (DateComboChange) or the batch read
// started again while a day loads. The inner run would start over on the state the outer
// one is half-way through (the day model, the open JV-Link stream), and the outer one would
// then go on with what the inner one left.
//
// So the loops let messages run only through pump_messages, and every handler that can
// reach it holds its Reentry while it runs: a call that finds the handler running returns
// at once and does nothing, as the window's disabled button would have ignored the click.
#pragma once

#include "support/services.h"

namespace rv {

// The one place where a loop lets pending window messages run.
void pump_messages(Dialogs& dialogs);

// Whether one handler is running; one per guarded handler, kept by the handler's owner.
class Reentry {
 public:
  // Held for one run of the handler. Empty (false) when the handler was already running.
  class [[nodiscard]] Hold {
   public:
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;
    ~Hold() {
      if (owner_ != nullptr) owner_->running_ = false;
    }
    explicit operator bool() const { return owner_ != nullptr; }

   private:
    friend class Reentry;
    explicit Hold(Reentry* owner) : owner_(owner) {
      if (owner_ != nullptr) owner_->running_ = true;
    }
    Reentry* owner_;
  };

  Reentry() = default;
  Reentry(const Reentry&) = delete;
  Reentry& operator=(const Reentry&) = delete;

  [[nodiscard]] Hold enter() { return Hold(running_ ? nullptr : this); }
  [[nodiscard]] bool running() const { return running_; }

 private:
  bool running_ = false;
};

// Raises a flag for a scope (a fetch made quiet, a loop marked busy) and gives back what it
// was, also when the scope ends by an exception.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = before_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool before_;
};

}  // namespace rv
