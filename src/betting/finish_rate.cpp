#include "betting/finish_rate.h"

#include "support/num_text.h"

namespace rv {
namespace {

bool inside(int runners, int block, int rank) {
  return runners >= FinishRateTable::kMinRunners && runners <= FinishRateTable::kMaxRunners &&
         block >= 1 && block <= FinishRateTable::kBlocks && rank >= 1 &&
         rank <= FinishRateTable::kRanks;
}

}  // namespace

double FinishRateTable::Lookup(int runners, int block, int rank) const {
  if (!inside(runners, block, rank)) return 0.0;
  return freq_[static_cast<std::size_t>(runners - kMinRunners)][static_cast<std::size_t>(block - 1)]
              [static_cast<std::size_t>(rank - 1)] *
         100.0;
}

void FinishRateTable::set(int runners, int block, int rank, double fraction) {
  if (!inside(runners, block, rank)) return;
  freq_[static_cast<std::size_t>(runners - kMinRunners)][static_cast<std::size_t>(block - 1)]
       [static_cast<std::size_t>(rank - 1)] = fraction;
}

namespace {
FinishRateTable& current() {
  static FinishRateTable table;
  return table;
}
}  // namespace

const FinishRateTable& FinishRates() {
  return current();
}

void SetFinishRates(const FinishRateTable& table) {
  current() = table;
}

std::string FinishRateText(const FinishRateTable& table, int runners, int block, int rank) {
  if (rank < 1) return {};
  return std::string(NumText::Fixed(table.Lookup(runners, block, rank), 5, 1).view());
}

}  // namespace rv
