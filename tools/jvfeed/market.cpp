#include "jvfeed/market.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace rv::jvfeed {
namespace {

// Share of each pool paid back, and the largest value the record's odds field holds.
struct PoolRule {
  double takeout;
  std::int64_t cap;
};
constexpr std::array<PoolRule, 8> kRules = {{{0.80, 9999},
                                             {0.80, 9999},
                                             {0.775, 99999},
                                             {0.775, 999999},
                                             {0.775, 99999},
                                             {0.75, 999999},
                                             {0.75, 999999},
                                             {0.725, 9999999}}};

Odds fair_odds(Bet bet, double probability) {
  const auto& rule = kRules[static_cast<std::size_t>(bet)];
  if (probability <= 0) return Odds::of_tenths(rule.cap);
  const double tenths = std::floor(rule.takeout / probability * 10.0);
  return Odds::of_tenths(
      std::clamp<std::int64_t>(static_cast<std::int64_t>(std::min(tenths, 1e12)), 10, rule.cap));
}

// The marker of an entry whose horses include scratched ones; Value when all run.
Odds::Mark marker(const std::vector<Scratch>& scratch, std::initializer_list<int> horses) {
  bool before = false;
  bool after = false;
  for (const int h : horses) {
    before = before || scratch[static_cast<std::size_t>(h)] == Scratch::BeforeSale;
    after = after || scratch[static_cast<std::size_t>(h)] == Scratch::AfterSale;
  }
  if (before) return Odds::Mark::Dashes;
  if (after) return Odds::Mark::Stars;
  return Odds::Mark::Value;
}

Odds with_mark(Odds::Mark m) {
  Odds o;
  o.mark = m;
  return o;
}

// Ranks 1.. by (low, high, index) over the entries that carry a value.
void rank_pool(Pool& p, const std::vector<std::int64_t>& tie) {
  std::vector<int> idx;
  for (std::size_t i = 1; i < p.low.size(); ++i) {
    if (p.low[i].mark == Odds::Mark::Value && p.low[i].tenths > 0)
      idx.push_back(static_cast<int>(i));
  }
  std::sort(idx.begin(), idx.end(), [&](int a, int b) {
    const auto ua = static_cast<std::size_t>(a);
    const auto ub = static_cast<std::size_t>(b);
    if (p.low[ua].tenths != p.low[ub].tenths) return p.low[ua].tenths < p.low[ub].tenths;
    if (tie[ua] != tie[ub]) return tie[ua] < tie[ub];
    return a < b;
  });
  p.rank.assign(p.low.size(), 0);
  for (std::size_t r = 0; r < idx.size(); ++r)
    p.rank[static_cast<std::size_t>(idx[r])] = static_cast<int>(r) + 1;
}

Pool blank_pool(std::size_t entries) {
  Pool p;
  p.low.assign(entries + 1, Odds::blank());
  p.high = p.low;
  p.rank.assign(entries + 1, 0);
  return p;
}

}  // namespace

void blank_place(Book& book, int horse) {
  Pool& place = book.pools[static_cast<std::size_t>(Bet::Place)];
  const auto h = static_cast<std::size_t>(horse);
  if (h >= place.low.size()) return;
  place.low[h] = place.high[h] = Odds::blank();
  std::vector<std::int64_t> tie(place.low.size(), 0);
  for (std::size_t i = 1; i < tie.size(); ++i) tie[i] = place.high[i].tenths;
  rank_pool(place, tie);
}

Kind odds_kind(Bet bet) {
  switch (bet) {
    case Bet::Quinella:
      return Kind::O2;
    case Bet::Wide:
      return Kind::O3;
    case Bet::Exacta:
      return Kind::O4;
    case Bet::Trio:
      return Kind::O5;
    case Bet::Trifecta:
      return Kind::O6;
    default:
      return Kind::O1;
  }
}

Book make_book(const std::vector<double>& chances, const std::vector<Scratch>& scratch_in) {
  Book book;
  const int n = static_cast<int>(chances.size()) - 1;
  book.runners = n;
  std::vector<Scratch> scratch(scratch_in);
  scratch.resize(static_cast<std::size_t>(n) + 1, Scratch::None);
  std::vector<double> p(static_cast<std::size_t>(n) + 1, 0.0);
  double total = 0;
  int before_sale = 0;
  for (int h = 1; h <= n; ++h) {
    const auto uh = static_cast<std::size_t>(h);
    if (scratch[uh] == Scratch::None) {
      p[uh] = std::max(chances[uh], 1e-9);
      total += p[uh];
      ++book.starters;
    }
    before_sale += scratch[uh] == Scratch::BeforeSale ? 1 : 0;
  }
  for (auto& x : p) x /= total > 0 ? total : 1.0;
  book.place_paid = book.starters >= 8 ? 3 : book.starters >= 5 ? 2 : 0;
  book.bracket_sale = n - before_sale >= 9;

  // Harville: P(a first, b second) and P(a, b, c in this order).
  const auto N = static_cast<std::size_t>(n) + 1;
  std::vector<double> ex(N * N, 0.0);
  std::vector<double> tri(N * N * N, 0.0);
  for (std::size_t a = 1; a < N; ++a) {
    for (std::size_t b = 1; b < N; ++b) {
      if (a == b || p[a] <= 0 || p[b] <= 0 || p[a] >= 1) continue;
      ex[a * N + b] = p[a] * p[b] / (1 - p[a]);
      for (std::size_t c = 1; c < N; ++c) {
        if (c == a || c == b || p[c] <= 0 || p[a] + p[b] >= 1) continue;
        tri[(a * N + b) * N + c] = ex[a * N + b] * p[c] / (1 - p[a] - p[b]);
      }
    }
  }
  const auto P2 = [&](int a, int b) {
    return ex[static_cast<std::size_t>(a) * N + static_cast<std::size_t>(b)];
  };
  const auto P3 = [&](int a, int b, int c) {
    return tri[(static_cast<std::size_t>(a) * N + static_cast<std::size_t>(b)) * N +
               static_cast<std::size_t>(c)];
  };

  // Chances of finishing in the first two and the first three.
  std::vector<double> top2(N, 0.0);
  std::vector<double> top3(N, 0.0);
  for (std::size_t a = 1; a < N; ++a) {
    for (std::size_t b = 1; b < N; ++b) {
      top2[a] += ex[a * N + b];
      top2[b] += ex[a * N + b];
      for (std::size_t c = 1; c < N; ++c) {
        const double t = tri[(a * N + b) * N + c];
        top3[a] += t;
        top3[b] += t;
        top3[c] += t;
      }
    }
  }

  // Win and place.
  Pool win = blank_pool(static_cast<std::size_t>(n));
  Pool place = blank_pool(static_cast<std::size_t>(n));
  for (int h = 1; h <= n; ++h) {
    const auto uh = static_cast<std::size_t>(h);
    const auto m = marker(scratch, {h});
    if (m != Odds::Mark::Value) {
      win.low[uh] = win.high[uh] = with_mark(m);
      place.low[uh] = place.high[uh] = book.place_paid > 0 ? with_mark(m) : Odds::blank();
      continue;
    }
    win.low[uh] = win.high[uh] = fair_odds(Bet::Win, p[uh]);
    if (book.place_paid == 0) continue;
    const double in_place = book.place_paid == 3 ? top3[uh] : top2[uh];
    const Odds fair = fair_odds(Bet::Place, in_place);
    const auto low = std::max<std::int64_t>(10, fair.tenths * 3 / 4);
    place.low[uh] = Odds::of_tenths(low);
    place.high[uh] =
        Odds::of_tenths(std::min<std::int64_t>(9999, std::max(low, fair.tenths * 5 / 4)));
  }
  std::vector<std::int64_t> tie(static_cast<std::size_t>(n) + 1, 0);
  for (std::size_t h = 1; h <= static_cast<std::size_t>(n); ++h) tie[h] = place.low[h].tenths;
  rank_pool(win, tie);
  for (std::size_t h = 1; h <= static_cast<std::size_t>(n); ++h) tie[h] = place.high[h].tenths;
  rank_pool(place, tie);
  book.pools[static_cast<std::size_t>(Bet::Win)] = std::move(win);
  book.pools[static_cast<std::size_t>(Bet::Place)] = std::move(place);

  // Bracket quinella over the brackets' horses.
  Pool br = blank_pool(36);
  if (book.bracket_sale) {
    for (int k = 1; k <= 36; ++k) {
      const auto c = combination(Kind::O1, k);
      std::vector<int> xs;
      std::vector<int> ys;
      for (int h = 1; h <= n; ++h) {
        if (bracket_of(h, n) == c[0]) xs.push_back(h);
        if (bracket_of(h, n) == c[1]) ys.push_back(h);
      }
      if (xs.empty() || ys.empty() || (c[0] == c[1] && xs.size() < 2)) continue;
      double pr = 0;
      bool any_pair = false;
      Odds::Mark m = Odds::Mark::Value;
      for (const int x : xs) {
        for (const int y : ys) {
          if (x == y || (c[0] == c[1] && y < x)) continue;
          const auto mk = marker(scratch, {x, y});
          if (mk == Odds::Mark::Value) {
            any_pair = true;
            pr += P2(x, y) + P2(y, x);
          } else if (m != Odds::Mark::Stars) {
            m = mk;
          }
        }
      }
      const auto uk = static_cast<std::size_t>(k);
      br.low[uk] = br.high[uk] = any_pair ? fair_odds(Bet::Bracket, pr) : with_mark(m);
    }
  }
  rank_pool(br, std::vector<std::int64_t>(37, 0));
  book.pools[static_cast<std::size_t>(Bet::Bracket)] = std::move(br);

  // Combinations of two and three horses.
  for (const Bet bet : {Bet::Quinella, Bet::Wide, Bet::Exacta, Bet::Trio, Bet::Trifecta}) {
    const Kind kind = odds_kind(bet);
    const int count = entry_count(kind);
    Pool pool = blank_pool(static_cast<std::size_t>(count));
    std::vector<std::int64_t> tie2(static_cast<std::size_t>(count) + 1, 0);
    for (int k = 1; k <= count; ++k) {
      const auto c = combination(kind, k);
      if (*std::max_element(c.begin(), c.end()) > n) continue;
      const auto uk = static_cast<std::size_t>(k);
      const auto m =
          c.size() == 2 ? marker(scratch, {c[0], c[1]}) : marker(scratch, {c[0], c[1], c[2]});
      if (m != Odds::Mark::Value || (bet == Bet::Wide && book.place_paid == 0)) {
        pool.low[uk] = pool.high[uk] = with_mark(m == Odds::Mark::Value ? Odds::Mark::Blank : m);
        continue;
      }
      double pr = 0;
      if (bet == Bet::Quinella) pr = P2(c[0], c[1]) + P2(c[1], c[0]);
      if (bet == Bet::Exacta) pr = P2(c[0], c[1]);
      if (bet == Bet::Trifecta) pr = P3(c[0], c[1], c[2]);
      if (bet == Bet::Trio) {
        pr = P3(c[0], c[1], c[2]) + P3(c[0], c[2], c[1]) + P3(c[1], c[0], c[2]) +
             P3(c[1], c[2], c[0]) + P3(c[2], c[0], c[1]) + P3(c[2], c[1], c[0]);
      }
      if (bet == Bet::Wide) {
        for (int z = 1; z <= n; ++z) {
          if (z == c[0] || z == c[1]) continue;
          pr += P3(c[0], c[1], z) + P3(c[1], c[0], z) + P3(c[0], z, c[1]) + P3(c[1], z, c[0]) +
                P3(z, c[0], c[1]) + P3(z, c[1], c[0]);
        }
      }
      const Odds fair = fair_odds(bet, pr);
      pool.low[uk] = pool.high[uk] = fair;
      if (bet == Bet::Wide) {
        pool.low[uk] = Odds::of_tenths(std::max<std::int64_t>(10, fair.tenths * 3 / 4));
        pool.high[uk] = Odds::of_tenths(
            std::min<std::int64_t>(99999, std::max(pool.low[uk].tenths, fair.tenths * 5 / 4)));
        tie2[uk] = pool.high[uk].tenths;
      }
    }
    rank_pool(pool, tie2);
    book.pools[static_cast<std::size_t>(bet)] = std::move(pool);
  }
  return book;
}

Record odds_record(Kind kind, const RaceKey& key, const Book& book, char data_kind,
                   std::string_view announced, std::int64_t pool_hundreds) {
  Record r = odds(kind, key, book.runners, data_kind, announced);
  r.set("SyussoTosu", book.starters);
  if (kind == Kind::O1) {
    const Pool& win = book.pool(Bet::Win);
    const Pool& place = book.pool(Bet::Place);
    r.set("FukusyoFlag", book.place_paid > 0 ? 7 : 0).set("WakurenFlag", book.bracket_sale ? 7 : 0);
    r.set("FukuChakuBaraiKey", book.place_paid);
    for (int h = 1; h <= book.runners; ++h) {
      const auto uh = static_cast<std::size_t>(h);
      r.win(h, win.low[uh], win.rank[uh]);
      r.place(h, place.low[uh], place.high[uh], place.rank[uh]);
    }
    const Pool& br = book.pool(Bet::Bracket);
    for (int k = 1; k <= 36; ++k) {
      const auto c = combination(Kind::O1, k);
      const auto uk = static_cast<std::size_t>(k);
      r.bracket(c[0], c[1], br.low[uk], br.rank[uk]);
    }
    r.set("TansyoVote", pool_hundreds).set("FukusyoVote", pool_hundreds * 2 / 5);
    r.set("WakurenVote", book.bracket_sale ? pool_hundreds / 4 : 0);
    return r;
  }
  const Bet bet = kind == Kind::O2   ? Bet::Quinella
                  : kind == Kind::O3 ? Bet::Wide
                  : kind == Kind::O4 ? Bet::Exacta
                  : kind == Kind::O5 ? Bet::Trio
                                     : Bet::Trifecta;
  const Pool& pool = book.pool(bet);
  const int count = entry_count(kind);
  for (int k = 1; k <= count; ++k) {
    const auto uk = static_cast<std::size_t>(k);
    if (pool.low[uk].mark == Odds::Mark::Blank) {
      r.entry(k, Odds::blank());
    } else if (kind == Kind::O3) {
      const auto c = combination(kind, k);
      r.wide(c[0], c[1], pool.low[uk], pool.high[uk], pool.rank[uk]);
    } else {
      r.entry(k, pool.low[uk], pool.rank[uk]);
    }
  }
  static constexpr std::array<std::int64_t, 5> share = {150, 60, 90, 120, 400};  // percent of win
  r.set("TotalVote", pool_hundreds * share[static_cast<std::size_t>(kind) - 4] / 100);
  if (kind == Kind::O3 && book.place_paid == 0) r.set("WideFlag", 0);
  return r;
}

}  // namespace rv::jvfeed
