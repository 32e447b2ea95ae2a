// A Dialogs that records what the window would have shown and answers confirmations as told.
#pragma once

#include <string>
#include <vector>

#include "support/services.h"
#include "support/text.h"

namespace rv::testing {

class FakeDialogs final : public Dialogs {
 public:
  // Every box as "info:", "confirm:" or "error:" + the UTF-8 text; "beep" for a beep.
  std::vector<std::string> shown;
  bool answer = true;

  void info(std::string_view text) override { shown.push_back("info:" + to_utf8(text)); }
  bool confirm(std::string_view text) override {
    shown.push_back("confirm:" + to_utf8(text));
    return answer;
  }
  void error(std::string_view text) override { shown.push_back("error:" + to_utf8(text)); }
  void beep() override { shown.emplace_back("beep"); }
  void busy(bool /*on*/) override {}
  void process_events() override {}
};

}  // namespace rv::testing
