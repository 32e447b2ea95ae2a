// The main window without widgets on the full day of full_day.h, with the selection set
// "全頭買い設定", which marks every horse as axis and both partners: selecting a race builds
// its card, 18 win and place bets, 153 quinella and wide, 306 exacta, 816 trio and 4,896
// trifecta bets, each allocated and checked against the payouts.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/main_form.h"
#include "common/form_rig.h"
#include "full_day.h"

namespace rv::bench {

inline constexpr int kAllHorsesSet = 5;
inline constexpr int kTrifectaRows = 4896;

struct FullDayWindow : testing::FormRig {
  // The day loaded in allocation mode `mode` with its first race on screen; false when the
  // day or its bets are not all there.
  bool open(int mode = 0) {
    write_full_day();
    std::filesystem::create_directories(dir.path() / "jvfeed");
    if (!start().UserKaimeForm.SelectSet(kAllHorsesSet)) return false;
    form->allocation.RadioGroup1.set_item_index(mode);
    choose_day(0);
    return form->loaded_day.DatList.count() == kMaxRaces &&
           form->bets[BetType::kSanrentan].data_rows() == kTrifectaRows;
  }
  // open(mode), or the benchmark skipped with the reason when that is false.
  bool open_or_skip(benchmark::State& state, int mode = 0) {
    if (open(mode)) return true;
    state.SkipWithError("the day did not load with every bet");
    return false;
  }
};

}  // namespace rv::bench
