#include "model/mining.h"

#include <algorithm>

#include "model/day_records.h"
#include "support/text.h"

namespace rv {
namespace {

void rank_by_time(RaceWork& w) {
  std::array<int, kMaxHorses> order{};
  int n = 0;
  for (int j = 0; j < kMaxHorses; ++j) {
    if (w.DmTime[static_cast<std::size_t>(j)] > 0) order[static_cast<std::size_t>(n++)] = j;
  }
  // Positions go in ascending, so a stable sort keeps ties by position.
  std::stable_sort(order.begin(), order.begin() + n, [&w](int a, int b) {
    return w.DmTime[static_cast<std::size_t>(a)] < w.DmTime[static_cast<std::size_t>(b)];
  });
  for (int r = 0; r < n; ++r)
    w.DmRank[static_cast<std::size_t>(order[static_cast<std::size_t>(r)])] = r + 1;
}

}  // namespace

void ReadMiningPredictions(Day& day) {
  for (DmRecord& r : day.DmData) r.blank();
  TakeRecordsBySlot(day.Files.DmFile, day, SlotMatch::kDateVenueRace, day.DmData, [](int) {});
  for (std::size_t s = 0; s < kMaxRaces; ++s) {
    RaceWork& w = day.Work[s];
    const DmRecord& dm = day.DmData[s];
    for (std::size_t j = 0; j < kMaxHorses; ++j) {
      const int e = static_cast<int>(j);
      w.DmTime[j] = inum(dm.field(jv::dm::DMTime, e));
      w.DmGosaPlus[j] = inum(dm.field(jv::dm::DMGosaP, e));
      w.DmGosaMinus[j] = inum(dm.field(jv::dm::DMGosaM, e));
      const SeRecord& se = day.SeData[s][j];
      const int time = inum(se.field(jv::se::DMTime));
      if (time >= 1 && time <= 99998) {
        w.DmTime[j] = time;
        w.DmGosaPlus[j] = inum(se.field(jv::se::DMGosaP));
        w.DmGosaMinus[j] = inum(se.field(jv::se::DMGosaM));
      }
    }
    rank_by_time(w);
  }
}

}  // namespace rv
