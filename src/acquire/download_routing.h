// Which records of a stored-data download reach the day files, and the line each stored
// record adds to the window's list of created data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/clock.h"

namespace rv {

struct DownloadFilter {
  // Race details, runners and payouts dated before this yyyymmdd are left out.
  int first_date = 0;
  // "確定オッズも合わせて取得する": final odds are taken too.
  bool odds = false;
};

// The first meeting date a download from `from` takes: ten calendar days earlier, so that a
// start early in a month still reaches back into the month before.
int FirstDownloadDate(const DateTime& from);

// Whether the download stores the record (RA, SE, HR, O1..O6 by their own tests; every
// other kind is read and dropped).
bool DownloadWants(std::string_view record, const DownloadFilter& filter);

// "作成済み:" + race + "R/" + file, or for a runner "作成済み:" + meeting date + venue + race +
// "R/" + horse + "番/" + file. nullopt when the record names no day file.
std::optional<std::string> CreatedLine(std::string_view record);

}  // namespace rv
