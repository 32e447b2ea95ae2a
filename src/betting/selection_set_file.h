// userkaimeset.dat in the program folder: the stored bet-selection sets, one 240-byte line
// each. Lines that name no set (blank, cut short, without a name) are not offered as sets
// but stay in the file where they stand, so a save never loses a line it did not change.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rv {

class SelectionSetFile {
 public:
  // Reads the file; when it does not exist, writes the built-in sets to it. Throws FileError
  // when the file cannot be read (the list then stays empty and saving is refused, so the
  // file is never replaced by what could not be read) or the new file cannot be written (the
  // built-in sets are kept in memory).
  void Load();
  // Writes every line back, sets and other lines alike. Throws FileError.
  void Save() const;
  [[nodiscard]] bool readable() const { return readable_; }

  // Sets, in file order.
  [[nodiscard]] int count() const { return static_cast<int>(sets_.size()); }
  [[nodiscard]] const std::string& line(int set) const;
  // The 20-byte name field of a set.
  [[nodiscard]] std::string name(int set) const;
  // The set whose name field equals the 20-byte field given; -1 when none.
  [[nodiscard]] int find(std::string_view name_field) const;

  void replace(int set, std::string line);
  void append(std::string line);
  void remove(int set);

  // Every line of the file, and the 1-based numbers of the lines that are no sets.
  [[nodiscard]] const std::vector<std::string>& lines() const { return lines_; }
  [[nodiscard]] std::vector<int> other_lines() const;

 private:
  void index();

  std::vector<std::string> lines_;
  std::vector<std::size_t> sets_;  // line index of each set
  bool readable_ = true;
};

}  // namespace rv
