#include "betting/vrh_ranges.h"

#include "support/text.h"

namespace rv {

VrhRanges LoadVrhRanges(const TIniGT& ini) {
  const VrhRanges d;
  VrhRanges r;
  r.toz1 = dnum(ini.ReadString("VRH", "Toz1", "1.0"));
  r.toz2 = dnum(ini.ReadString("VRH", "Toz2", "50.0"));
  r.tnin1 = ini.ReadInteger("VRH", "Tnin1", d.tnin1);
  r.tnin2 = ini.ReadInteger("VRH", "Tnin2", d.tnin2);
  return r;
}

bool IsVrhHorse(const VrhRanges& r, int win_rank, double win_odds) {
  if (win_rank < 1 || win_odds <= 0.0) return false;
  return r.tnin1 <= win_rank && win_rank <= r.tnin2 && r.toz1 <= win_odds && win_odds <= r.toz2;
}

std::vector<int> VrhHorses(const RaceWork& race, const VrhRanges& r) {
  std::vector<int> out;
  for (int h = 1; h <= kMaxHorses; ++h) {
    const auto i = static_cast<std::size_t>(h);
    if (IsVrhHorse(r, race.WinNinki[i], race.WinOdds[i])) out.push_back(h);
  }
  return out;
}

}  // namespace rv
