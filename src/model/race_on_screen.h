// The race the window shows, by slot: one value, owned by the main window (app/) and set
// only by showing a race (ShowRace). Whatever works on "the race on screen" is handed this
// value or its slot as an argument; the day model does not know which race is shown.
#pragma once

namespace rv {

class RaceOnScreen {
 public:
  // Slot 0 until a race is shown.
  [[nodiscard]] int slot() const { return slot_; }
  void set(int slot) { slot_ = slot; }

 private:
  int slot_ = 0;
};

}  // namespace rv
