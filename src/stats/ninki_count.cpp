#include "stats/ninki_count.h"

#include "model/payouts.h"
#include "stats/csv_fields.h"
#include "support/text.h"

namespace rv {

void NinkiCount::AddRace(const Day& day, int slot) {
  ++races;
  const HrRecord& hr = day.HrData[static_cast<std::size_t>(slot)];
  for (int k = 1; k <= 3; ++k) {
    const int rank = ReadHrEntry(hr, BetType::kWakuren, k).ninki;
    if (rank >= 1 && rank <= kWakurenCount) ++by_rank[static_cast<std::size_t>(rank - 1)];
  }
}

std::string NinkiCountHeader() {
  std::string s;
  AddCsvField(s, SJ("開催日"), true);
  AddCsvField(s, SJ("ﾚｰｽ数"));
  for (int r = 1; r <= kWakurenCount; ++r) AddCsvField(s, std::to_string(r) + SJ("人"));
  AddCsvField(s, {});
  return s;
}

std::string NinkiCountLine(std::string_view date, const NinkiCount& count) {
  std::string s;
  AddCsvField(s, date, true);
  AddCsvField(s, std::to_string(count.races));
  for (const int n : count.by_rank) AddCsvField(s, std::to_string(n));
  AddCsvField(s, {});
  return s;
}

}  // namespace rv
