#include "app/replay.h"

namespace rv {
namespace {

bool stop(const ReplayHooks& hooks, ReplayProgress& p) {
  p.cancelled = hooks.cancelled && hooks.cancelled();
  return p.cancelled;
}

// The window shows the race of `slot` when it took the selection.
bool on_screen(MainForm& form, int slot) {
  return form.race_on_screen().slot() == slot && form.day.PageControl1.visible();
}

// The races of the loaded day, the first already on screen after a load (`first_shown`).
// False when cancelled.
bool replay_races(MainForm& form, const ReplayHooks& hooks, ReplayProgress& p, bool first_shown) {
  ListControl& races = form.loaded_day.DatList;
  for (int slot = 0; slot < races.count(); ++slot) {
    if (stop(hooks, p)) return false;
    if (slot > 0 || !first_shown) {
      races.set_item_index(slot);
      form.DatListClick();
    }
    if (!on_screen(form, slot)) continue;
    ++p.races;
    if (hooks.race) hooks.race(form, slot);
  }
  return true;
}

}  // namespace

ReplayProgress Replay(MainForm& form, const std::vector<std::string>& days,
                      const ReplayHooks& hooks) {
  ReplayProgress p;
  p.days = static_cast<int>(days.size());
  ListControl& dates = form.day.DateCombo;
  for (const std::string& day : days) {
    if (stop(hooks, p)) break;
    if (hooks.day_begins) hooks.day_begins(day, p);
    if (const int i = dates.index_of(day); i >= 0) {
      dates.set_item_index(i);
      form.DateComboChange();
      if (form.last_day_load() == DayLoadResult::kLoaded && !replay_races(form, hooks, p, true))
        break;
    }
    ++p.days_done;
    if (hooks.day_done) hooks.day_done(p);
  }
  return p;
}

ReplayProgress ReplayLoadedDay(MainForm& form, const ReplayHooks& hooks) {
  ReplayProgress p;
  replay_races(form, hooks, p, false);
  return p;
}

}  // namespace rv
