// Hand-made stored days for the statistics suites: one race of a few runners whose odds,
// results and payouts the test chooses.
#pragma once

#include <initializer_list>
#include <vector>

#include "acquire/day_store.h"
#include "jvfeed/records.h"

namespace rv::testing {

struct Runner {
  double odds = 0;  // final win odds; 0 for a scratched horse (dashes)
  int finish = 0;   // 0: did not finish
  int popularity = 0;
  int ijo = 0;  // 異常区分コード
};

struct Pay {
  jvfeed::Bet bet;
  std::initializer_list<int> combo;
  int yen;
};

// Race `race` at 中山 on `ymd` with the runners in horse-number order.
inline void store_race(int ymd, int race, const std::vector<Runner>& runners,
                       std::initializer_list<Pay> pays = {}) {
  const int n = static_cast<int>(runners.size());
  const auto key = jvfeed::key(ymd, 6, race);
  DayStore store(DayStore::Mode::kWriteBack);
  store.Store(jvfeed::ra(key, {.runners = n}), RecordOrigin::kStoredData, true);
  jvfeed::Record o1 = jvfeed::o1(key, n);
  jvfeed::Record dm = jvfeed::dm(key, n);
  for (int h = 1; h <= n; ++h) {
    const Runner& r = runners[static_cast<std::size_t>(h - 1)];
    jvfeed::Record se = jvfeed::se(key, {.data_kind = '7',
                                         .horse = h,
                                         .runners = n,
                                         .finish = r.finish,
                                         .popularity = r.popularity});
    se.set("IJyoCD", r.ijo);
    store.Store(se, RecordOrigin::kStoredData, true);
    o1.win(h, r.odds > 0 ? jvfeed::Odds(r.odds) : jvfeed::Odds::dashes());
    dm.predict(h, 13000 + h, 10, 10);
  }
  store.Store(o1, RecordOrigin::kStoredData, true);
  store.Store(dm, RecordOrigin::kStoredData, true);
  jvfeed::Record hr = jvfeed::hr(key, n);
  std::array<int, 8> k{};
  for (const Pay& p : pays) hr.pay(p.bet, ++k[static_cast<std::size_t>(p.bet)], p.combo, p.yen, 1);
  store.Store(hr, RecordOrigin::kStoredData, true);
  store.Flush();
}

}  // namespace rv::testing
