#include "betting/selection_set_file.h"

#include "betting/selection_set.h"
#include "support/app_dir.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

fs::path set_file() {
  return app_path("\\userkaimeset.dat");
}

}  // namespace

void SelectionSetFile::Load() {
  lines_.clear();
  sets_.clear();
  readable_ = false;
  const fs::path path = set_file();
  std::optional<std::string> text = read_file(path);
  readable_ = true;
  if (text) {
    lines_ = split_lines(*text);
    index();
    return;
  }
  for (const SelectionSet& s : BuiltInSets()) lines_.push_back(SetLine(s));
  index();
  Save();
}

void SelectionSetFile::Save() const {
  if (!readable_) {
    throw FileError(path_text(set_file()) + SJ(" を読めなかったため、保存しません。"));
  }
  write_lines(set_file(), lines_);
}

void SelectionSetFile::index() {
  sets_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (IsSetLine(lines_[i])) sets_.push_back(i);
  }
}

const std::string& SelectionSetFile::line(int set) const {
  return lines_.at(sets_.at(static_cast<std::size_t>(set)));
}

std::string SelectionSetFile::name(int set) const {
  return LineSetName(line(set));
}

int SelectionSetFile::find(std::string_view name_field) const {
  for (int i = 0; i < count(); ++i) {
    if (name(i) == name_field) return i;
  }
  return -1;
}

void SelectionSetFile::replace(int set, std::string line) {
  lines_.at(sets_.at(static_cast<std::size_t>(set))) = std::move(line);
  index();
}

void SelectionSetFile::append(std::string line) {
  lines_.push_back(std::move(line));
  index();
}

void SelectionSetFile::remove(int set) {
  const std::size_t at = sets_.at(static_cast<std::size_t>(set));
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(at));
  index();
}

std::vector<int> SelectionSetFile::other_lines() const {
  std::vector<int> out;
  std::size_t next = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (next < sets_.size() && sets_[next] == i) {
      ++next;
    } else {
      out.push_back(static_cast<int>(i) + 1);
    }
  }
  return out;
}

}  // namespace rv
