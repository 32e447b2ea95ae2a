#include "model/day_paths.h"

#include <stdexcept>
#include <string>

#include "acquire/day_files.h"
#include "support/app_dir.h"
#include "support/text.h"

namespace rv {
namespace {

const DayFileKind& kind(std::string_view id) {
  const DayFileKind* k = FindDayFileKind(id);
  if (k == nullptr) throw std::logic_error("no day-file kind " + std::string(id));
  return *k;
}

std::filesystem::path data_file(std::string_view day_name, std::string_view id) {
  const DayFileKind& k = kind(id);
  std::string rel(k.folder);
  rel += day_name;
  rel += k.extension;
  return app_path(rel);
}

}  // namespace

bool IsDayName(std::string_view t) {
  if (t.size() != 14) return false;
  const auto digits = [&](std::size_t at, std::size_t n) { return all_digits(t.substr(at, n)); };
  return digits(0, 4) && t.substr(4, 2) == SJ("年") && digits(6, 2) && t.substr(8, 2) == SJ("月") &&
         digits(10, 2) && t.substr(12, 2) == SJ("日");
}

DayFiles MakeDayFiles(std::string_view day_name) {
  DayFiles f;
  if (!IsDayName(day_name)) return f;
  f.RaFile = data_file(day_name, "RA");
  f.HrFile = data_file(day_name, "HR");
  // Nothing of ours writes weather files, so the store has no kind for them.
  f.WhFile = f.RaFile;
  f.WhFile.replace_extension(".jvWH");
  f.DmFile = data_file(day_name, "DM");
  static constexpr std::string_view kOdds[] = {"O1", "O2", "O3", "O4", "O5", "O6"};
  for (std::size_t i = 0; i < f.OzFile.size(); ++i) f.OzFile[i] = data_file(day_name, kOdds[i]);
  return f;
}

std::optional<std::filesystem::path> SeFilePath(std::string_view day_name,
                                                std::string_view venue_code) {
  if (!IsDayName(day_name)) return std::nullopt;
  const std::optional<std::string> name = SeFileName(day_name, venue_code);
  if (!name) return std::nullopt;
  return app_path(std::string(kind("SE").folder) + *name);
}

std::filesystem::path ChangeFilePath(std::string_view day_name, std::string_view extension) {
  std::string rel(kind("TC").folder);
  rel += day_name;
  rel += extension;
  return app_path(rel);
}

}  // namespace rv
