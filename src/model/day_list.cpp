#include "model/day_list.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "model/day_paths.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::size_t kDateLen = 14;

bool has_day_extension(std::string_view name) {
  constexpr std::string_view kExt = ".jvRA";
  return name.size() > kExt.size() && iequals_ascii(name.substr(name.size() - kExt.size()), kExt);
}

}  // namespace

void MakeDataList(ListControl& DateCombo) {
  std::vector<std::string> names;
  std::error_code ec;
  const fs::path folder = app_path("\\Data");
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    const auto u8 = it->path().filename().u8string();
    std::string name = sj(std::string_view(reinterpret_cast<const char*>(u8.data()), u8.size()));
    if (has_day_extension(name)) names.push_back(std::move(name));
  }
  // Names in descending order: the list is filled from the last name to the first, so the
  // newest day comes first.
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return icompare_ascii(a, b) > 0; });

  std::vector<std::string> items;
  for (const std::string& name : names) {
    std::string day = name.substr(0, kDateLen);
    // The day loader rebuilds the file names from this text, so anything else names a day
    // that cannot be loaded.
    if (!IsDayName(day) || (!items.empty() && items.back() == day)) continue;
    items.push_back(std::move(day));
  }
  DateCombo.clear();
  DateCombo.set_items(std::move(items));
  // A folder that is missing holds no days yet; one that cannot be read must say so.
  if (ec && ec != std::errc::no_such_file_or_directory) {
    throw FileError(path_text(folder) + SJ(" を開けません。") + error_cause(ec.value()));
  }
}

}  // namespace rv
