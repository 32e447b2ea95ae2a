#include "betting/bet_generation.h"

#include <algorithm>
#include <string_view>

#include "betting/hit_evaluation.h"
#include "jvdata/combo_labels.h"
#include "support/num_text.h"
#include "support/text.h"

namespace rv {
namespace {

using Horses3 = std::array<std::uint8_t, 3>;

// The horse numbers of every combination index, read once from the label tables; and for
// each trifecta, the trio of the same three horses.
struct ComboHorses {
  std::array<Horses3, kUmarenCount + 1> umaren{};
  std::array<Horses3, kUmatanCount + 1> umatan{};
  std::array<Horses3, kSanrenpukuCount + 1> trio{};
  std::array<Horses3, kSanrentanCount + 1> trifecta{};
  std::array<std::uint16_t, kSanrentanCount + 1> trifecta_trio{};

  ComboHorses() {
    const auto read = [](const std::string& label) {
      Horses3 h{};
      for (std::size_t i = 0; i * 3 < label.size(); ++i) {
        h[i] = static_cast<std::uint8_t>(inum(std::string_view(label).substr(i * 3, 2)));
      }
      return h;
    };
    for (int k = 1; k <= kUmarenCount; ++k) umaren[idx(k)] = read(UmarenLabel(k));
    for (int k = 1; k <= kUmatanCount; ++k) umatan[idx(k)] = read(UmatanLabel(k));
    std::array<std::uint16_t, 19 * 19 * 19> trio_of{};
    for (int k = 1; k <= kSanrenpukuCount; ++k) {
      trio[idx(k)] = read(SanrenpukuLabel(k));
      trio_of[key(trio[idx(k)])] = static_cast<std::uint16_t>(k);
    }
    for (int k = 1; k <= kSanrentanCount; ++k) {
      trifecta[idx(k)] = read(SanrentanLabel(k));
      Horses3 sorted = trifecta[idx(k)];
      std::sort(sorted.begin(), sorted.end());
      trifecta_trio[idx(k)] = trio_of[key(sorted)];
    }
  }

  static std::size_t idx(int k) { return static_cast<std::size_t>(k); }
  static std::size_t key(const Horses3& h) {
    return (static_cast<std::size_t>(h[0]) * 19 + h[1]) * 19 + h[2];
  }
};

const ComboHorses& combo_horses() {
  static const ComboHorses c;
  return c;
}

// One table's rows as they are written: columns 0-4 (and 5, "連人気", of the multi-horse
// tables). Completion writes every other column of every row (allocation empties its
// columns first, the finish rates and the results fill theirs), so nothing of the table's
// earlier bets stays; rows past the new end keep their storage for the next race.
class RowWriter {
 public:
  RowWriter(BetTable& table, int rows) : table_(table) {
    table.ClearTotals();
    table.set_data_rows(rows);
    if (rows < 1) {
      for (int c = 0; c < table.columns().count; ++c) table.set_cell(1, c, {});
    }
  }

  void put(int row, const BetCells& cells) { table_.put_bet(row, cells); }

 private:
  BetTable& table_;
};

constexpr std::string_view kBlanks = "          ";

// "連人気": the win popularity of each horse in label order, "%2d" joined by "-"; empty
// unless every horse is ranked.
class RenNinki {
 public:
  // Each horse's "%2d" is formatted once a race, not once a bet.
  explicit RenNinki(const RaceWork& w) {
    for (std::size_t h = 0; h < w.WinNinki.size(); ++h) {
      rank_[h] = w.WinNinki[h];
      text_[h] = NumText::Int(rank_[h], 2);
    }
  }
  // The text, and the ranks into `ranks` (all 0 when the text is empty).
  std::string_view operator()(const Horses3& h, int n, std::array<int, 3>& ranks) {
    ranks = {};
    std::size_t len = 0;
    for (int i = 0; i < n; ++i) {
      const auto horse = static_cast<std::size_t>(h[static_cast<std::size_t>(i)]);
      const int rank = rank_[horse];
      if (rank < 1) {
        ranks = {};
        return {};
      }
      ranks[static_cast<std::size_t>(i)] = rank;
      if (i > 0) buf_[len++] = '-';
      const std::string_view v = text_[horse].view();
      if (len + v.size() > buf_.size()) {
        ranks = {};
        return {};
      }
      std::copy(v.begin(), v.end(), buf_.begin() + static_cast<std::ptrdiff_t>(len));
      len += v.size();
    }
    return {buf_.data(), len};
  }

 private:
  std::array<int, kMaxHorses + 1> rank_{};
  std::array<NumText, kMaxHorses + 1> text_;
  std::array<char, 32> buf_{};
};

// The odds table of a multi-horse type: its odds and ranks, the filter, the cell widths.
struct MultiOdds {
  const double* odds = nullptr;
  const int* ninki = nullptr;
  OddsRange filter;
  bool record = false;
  int odds_width = 7;
  int ninki_width = 3;

  // Whether bet k stays: without the record every bet does.
  [[nodiscard]] bool stays(int k) const { return !record || filter.contains(odds[k]); }

  // Writes row r, bet k. Without the record its odds and popularity are the 7 and 3 blanks
  // its sort text holds, cut in the table's widths (8 and 2 for the trifecta's wider
  // columns).
  void put(RowWriter& out, int r, int k, BetCells& cells) const {
    cells.combo = k;
    if (!record) {
      cells.odds_text = kBlanks.substr(0, static_cast<std::size_t>(odds_width));
      cells.ninki_text = kBlanks.substr(0, static_cast<std::size_t>(7 + 3 - odds_width));
      cells.ninki = 0;
      out.put(r, cells);
      return;
    }
    const NumText odds_text = NumText::Fixed(odds[k], odds_width, 1);
    const NumText ninki_text = NumText::Int(ninki[k], ninki_width);
    cells.odds_text = odds_text;
    cells.ninki_text = ninki_text;
    cells.ninki = ninki[k];
    out.put(r, cells);
  }
};

MultiOdds multi_odds(const Day& day, int slot, const SelectionSet& set, BetType t) {
  const RaceWork& w = day.Work[static_cast<std::size_t>(slot)];
  MultiOdds m;
  m.filter = set.filter(t).value_or(OddsRange{});
  m.record = HasOddsRecord(day, slot, t);
  const BetTypeTraits& traits = bet_traits(t);
  m.odds = traits.odds(w);
  m.ninki = traits.ninki(w);
  m.odds_width = traits.odds_width;
  m.ninki_width = traits.ninki_width;
  return m;
}

// The indexes of a table's bets, in label order.
struct BetList {
  std::array<std::uint16_t, kSanrentanCount> index{};
  int count = 0;
  void add(int k) { index[static_cast<std::size_t>(count++)] = static_cast<std::uint16_t>(k); }
};

// 単勝 and 複勝: every usable axis horse that is ranked (and for 複勝 within the filter).
void build_single(const Day& day, int slot, const RunnerMarks& m, const SelectionSet& set,
                  BetTable& table) {
  const RaceWork& w = day.Work[static_cast<std::size_t>(slot)];
  const BetTypeTraits& traits = bet_traits(table.type());
  const double* odds = traits.odds(w);
  const int* ninki = traits.ninki(w);
  const std::optional<OddsRange> filter = set.filter(table.type());  // 複勝's only
  BetList list;
  for (int h = 1; h <= kMaxHorses; ++h) {
    const auto i = static_cast<std::size_t>(h);
    if (!m.axis[i] || w.WinNinki[i] < 1) continue;
    if (filter && !filter->contains(odds[i])) continue;
    list.add(h);
  }
  RowWriter out(table, list.count);
  for (int r = 1; r <= list.count; ++r) {
    const auto h = list.index[static_cast<std::size_t>(r - 1)];
    const NumText kumi = NumText::Int(h, 2);
    const NumText odds_text = NumText::Fixed(odds[h], traits.odds_width, 1);
    const NumText ninki_text = NumText::Int(ninki[h], traits.ninki_width);
    BetCells cells;
    cells.kumi_text = kumi;
    cells.kumi = Kumi{{h, 0, 0}, 1};
    cells.odds_text = odds_text;
    cells.ninki_text = ninki_text;
    cells.ninki = ninki[h];
    out.put(r, cells);
  }
}

// A multi-horse table from the members of its combination walk.
template <typename Member>
void build_multi(const Day& day, int slot, const SelectionSet& set, BetTable& table, int count,
                 const Horses3* horses, int per_bet, Member member,
                 const std::string& (*label)(int)) {
  const MultiOdds m = multi_odds(day, slot, set, table.type());
  BetList list;
  for (int k = 1; k <= count; ++k) {
    if (member(k) && m.stays(k)) list.add(k);
  }
  RowWriter out(table, list.count);
  RenNinki ren(day.Work[static_cast<std::size_t>(slot)]);
  BetCells cells;
  cells.kumi.count = per_bet;
  for (int r = 1; r <= list.count; ++r) {
    const int k = list.index[static_cast<std::size_t>(r - 1)];
    const Horses3& h = horses[k];
    cells.kumi_text = label(k);
    for (std::size_t i = 0; i < 3; ++i) cells.kumi.n[i] = h[i];
    cells.ren_text = ren(h, per_bet, cells.ren);
    m.put(out, r, k, cells);
  }
}

}  // namespace

bool HasOddsRecord(const Day& day, int slot, BetType t) {
  if (slot < 0 || slot >= kMaxRaces) return false;
  const auto s = static_cast<std::size_t>(slot);
  const auto record = bet_traits(t).odds_record;
  // An odds record is there when it names a race.
  return record == nullptr || inum(jv::field(record(day, s), jv::head::RaceNum)) >= 1;
}

void BuildBetRows(const Day& day, int slot, const RunnerMarks& m, const SelectionSet& set,
                  BetTables& tables) {
  if (slot < 0 || slot >= kMaxRaces) return;
  const ComboHorses& c = combo_horses();
  build_single(day, slot, m, set, tables[BetType::kTansho]);
  build_single(day, slot, m, set, tables[BetType::kFukusho]);

  // An axis horse and a ヒモ1 horse, in either order for 馬連 and ワイド.
  const auto pair = [&m, &c](int k) {
    const Horses3& h = c.umaren[static_cast<std::size_t>(k)];
    return (m.axis[h[0]] && m.himo1[h[1]]) || (m.axis[h[1]] && m.himo1[h[0]]);
  };
  build_multi(day, slot, set, tables[BetType::kUmaren], kUmarenCount, c.umaren.data(), 2, pair,
              UmarenLabel);
  build_multi(day, slot, set, tables[BetType::kWide], kUmarenCount, c.umaren.data(), 2, pair,
              UmarenLabel);
  const auto ordered_pair = [&m, &c](int k) {
    const Horses3& h = c.umatan[static_cast<std::size_t>(k)];
    return m.axis[h[0]] && m.himo1[h[1]];
  };
  build_multi(day, slot, set, tables[BetType::kUmatan], kUmatanCount, c.umatan.data(), 2,
              ordered_pair, UmatanLabel);

  // Three different horses that are an axis, a ヒモ1 and a ヒモ2 horse in some order; a
  // trifecta of them comes in all six orders.
  std::array<bool, kSanrenpukuCount + 1> trio{};
  for (int k = 1; k <= kSanrenpukuCount; ++k) {
    Horses3 p = c.trio[static_cast<std::size_t>(k)];
    bool in = false;
    do {
      in = m.axis[p[0]] && m.himo1[p[1]] && m.himo2[p[2]];
    } while (!in && std::next_permutation(p.begin(), p.end()));
    trio[static_cast<std::size_t>(k)] = in;
  }
  build_multi(
      day, slot, set, tables[BetType::kSanrenpuku], kSanrenpukuCount, c.trio.data(), 3,
      [&trio](int k) { return trio[static_cast<std::size_t>(k)]; }, SanrenpukuLabel);
  build_multi(
      day, slot, set, tables[BetType::kSanrentan], kSanrentanCount, c.trifecta.data(), 3,
      [&trio, &c](int k) { return trio[c.trifecta_trio[static_cast<std::size_t>(k)]]; },
      SanrentanLabel);
}

FinishRateWriter::FinishRateWriter(const BetTable& table, int runners, const FinishRateTable& rates)
    : sources_(bet_traits(table.type()).finish), outside_(NumText::Fixed(0.0, 5, 1)) {
  // The 枠連 table names no sources: its rates are its brackets' own.
  while (columns_ < static_cast<int>(sources_.size()) &&
         sources_[static_cast<std::size_t>(columns_)].block > 0) {
    ++columns_;
  }
  for (int b = 1; b <= FinishRateTable::kBlocks; ++b) {
    for (int k = 1; k <= FinishRateTable::kRanks; ++k) {
      texts_[static_cast<std::size_t>(b)][static_cast<std::size_t>(k)] =
          NumText::Fixed(rates.Lookup(runners, b, k), 5, 1);
    }
  }
}

void FinishRateWriter::WriteRow(BetTable& table, int row) const {
  const BetColumns& c = table.columns();
  const BetRow& b = table.bet(row);
  for (int i = 0; i < columns_; ++i) {
    const FinishSource& s = sources_[static_cast<std::size_t>(i)];
    const int rank = s.ren < 0 ? b.ninki : b.ren[static_cast<std::size_t>(s.ren)];
    std::string_view text;
    if (rank >= 1 && rank <= FinishRateTable::kRanks) {
      text = texts_[static_cast<std::size_t>(s.block)][static_cast<std::size_t>(rank)];
    } else if (rank >= 1) {
      text = outside_;
    }
    table.set_cell(row, c.finish + i, text);
  }
}

void FillFinishRates(BetTable& table, int runners, const FinishRateTable& rates) {
  const FinishRateWriter w(table, runners, rates);
  for (int r = 1; r <= table.data_rows(); ++r) w.WriteRow(table, r);
}

// One walk over the rows writes all three groups of columns.
void CompleteBetTable(const Day& day, int slot, BetTable& table, AllocationMode mode,
                      std::int64_t amount) {
  const Allocation allocation(table, mode, amount);
  const FinishRateWriter finish(table, day.runners(slot));
  const PaidBets paid(RacePayoutEntries(day, slot, table.type()), table.type());
  std::int64_t returned = 0;
  for (int r = 1; r <= table.data_rows(); ++r) {
    allocation.WriteRow(table, r);
    finish.WriteRow(table, r);
    returned += EvaluateBetRow(table, r, paid);
  }
  allocation.WriteTotals(table);
  ShowReturnTotal(table, returned);
}

void GenerateBets(const Day& day, int slot, const Grid& StringGrid8, const SelectionSet& set,
                  AllocationMode mode, std::int64_t amount, BetTables& tables) {
  BuildBetRows(day, slot, ReadRunnerMarks(StringGrid8), set, tables);
  for (const BetType t : kGeneratedTypes) CompleteBetTable(day, slot, tables[t], mode, amount);
}

}  // namespace rv
