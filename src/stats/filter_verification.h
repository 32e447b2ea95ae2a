// The 枠連 filter verification: which races of a day met every filter of a set, as the
// preview's signal labels show it, and what the 枠連 bets of those races cost and returned;
// a report for reading and a CSV line per race for a spreadsheet.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "betting/bracket_preview.h"
#include "model/day.h"
#include "stats/return_totals.h"

namespace rv {

// "連対計1-3該当": the sum of the top three brackets' 連対率; "連対差3-4該当": the gap between
// the 3rd and the 4th.
enum class FilterSet : std::uint8_t { kSum13, kGap34 };

// The settings the reports show: the allocation method and the thresholds as edited.
struct VerifySettings {
  std::string method;                // the selected item of RadioGroup1
  std::array<std::string, 6> range;  // Toz1_1, Toz2_1, Toz1_2, Toz2_2, Toz1_7, Toz2_7
  int WozAve = 0;
  int own = 0;  // WozKei13 or WozSa34
};
VerifySettings ReadVerifySettings(const PreviewControls& p, std::string method, FilterSet set);

// The header of a day's report, above its races.
std::vector<std::string> VerifyDayHeader(FilterSet set, const VerifySettings& s,
                                         std::string_view caption);
// The headers of the all-days report and CSV, up to the CSV's column names.
void VerifyAllDaysHeader(FilterSet set, const VerifySettings& s, std::vector<std::string>& report,
                         std::vector<std::string>& csv);

// One day's verification, race by race as they come on screen.
class DayVerification {
 public:
  DayVerification(FilterSet set, std::string_view caption, std::vector<std::string> header);

  // The race `slot` on screen: its preview labels and its 枠連 bet table.
  void AddRace(const Day& day, int slot, const PreviewControls& p, const Label& Tan1Label,
               const BetTable& wakuren);
  // The report closed with "=======" and, when races were counted, their figures.
  [[nodiscard]] std::vector<std::string> Report() const;
  // "caption" + the figures, for the all-days report; empty when no race was counted.
  [[nodiscard]] std::string Summary() const;

  [[nodiscard]] const HitTotals& totals() const { return totals_; }
  [[nodiscard]] const std::vector<std::string>& csv() const { return csv_; }

 private:
  FilterSet set_;
  std::string caption_;
  std::vector<std::string> lines_;
  std::vector<std::string> csv_;
  HitTotals totals_;
  std::string course_;
  bool first_ = true;
};

}  // namespace rv
