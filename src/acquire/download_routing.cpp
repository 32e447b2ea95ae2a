#include "acquire/download_routing.h"

#include "acquire/day_files.h"
#include "jvdata/code_tables.h"
#include "support/text.h"

namespace rv {
namespace {

int race_of(std::string_view record) {
  return inum(jv::field(record, jv::head::RaceNum));
}

int date_of(std::string_view record) {
  return inum(jv::field(record, jv::head::Date));
}

char data_kind(std::string_view record) {
  const std::string_view kind = jv::field(record, jv::rec::DataKubun);
  return kind.empty() ? ' ' : kind[0];
}

bool local_or_overseas(std::string_view record) {
  return data_kind(record) == 'A' || data_kind(record) == 'B';
}

}  // namespace

int FirstDownloadDate(const DateTime& from) {
  return from.add_days(-10).ymd();
}

bool DownloadWants(std::string_view record, const DownloadFilter& filter) {
  const std::string_view id = jv::field(record, jv::rec::RecordSpec);
  if (id == "RA") {
    const int runners = inum(jv::field(record, jv::ra::TorokuTosu));
    return !local_or_overseas(record) && date_of(record) >= filter.first_date &&
           race_of(record) > 0 && runners >= 1 && runners <= 18;
  }
  if (id == "SE") {
    const int horse = inum(jv::field(record, jv::se::Umaban));
    return race_of(record) > 0 && horse >= 1 && horse <= 18 && !local_or_overseas(record) &&
           date_of(record) >= filter.first_date;
  }
  if (id == "HR") return date_of(record) >= filter.first_date && race_of(record) > 0;
  if (id.size() == 2 && id[0] == 'O' && id[1] >= '1' && id[1] <= '6') {
    return filter.odds && data_kind(record) != '0' && data_kind(record) != '9' &&
           race_of(record) > 0;
  }
  return false;
}

std::optional<std::string> CreatedLine(std::string_view record) {
  const DayFileKind* kind = FindDayFileKind(record);
  if (kind == nullptr) return std::nullopt;
  const std::optional<std::string> file = DayFileName(*kind, record);
  if (!file) return std::nullopt;
  std::string line = SJ("作成済み:");
  if (kind->slotted) {
    line += jv::field(record, jv::head::Date);
    line += BashoShortName(jv::field(record, jv::head::JyoCD));
    line += fmt("%dR/%d", race_of(record), inum(jv::field(record, jv::se::Umaban)));
    line += SJ("番/");
  } else {
    line += fmt("%dR/", race_of(record));
  }
  return line + *file;
}

}  // namespace rv
