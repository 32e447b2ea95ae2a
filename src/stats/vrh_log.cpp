#include "stats/vrh_log.h"

#include <algorithm>
#include <array>

#include "support/app_dir.h"
#include "support/files.h"

namespace rv {
namespace {

constexpr int kDateWidth = 8;
constexpr int kFieldWidth = 7;
constexpr int kColumns = 13;

const char* const kLogFile = "\\VRHlog.txt";

// The five numbers of one group: group 0 from column 9, group 1 from column 44.
std::array<int, 5> group_numbers(std::string_view line, int group) {
  std::array<int, 5> v{};
  const std::size_t first = kDateWidth + static_cast<std::size_t>(group) * 5 * kFieldWidth;
  for (std::size_t i = 0; i < v.size(); ++i)
    v[i] = inum(fld(line, first + 1 + i * kFieldWidth, kFieldWidth));
  return v;
}

std::string rate(double part, int n) {
  return n > 0 ? fmt("%6.1f", part / n) : std::string();
}

}  // namespace

void PutVrhLogLine(std::vector<std::string>& log, const std::string& line) {
  const std::string_view date = std::string_view(line).substr(0, kDateWidth);
  std::erase_if(log, [date](const std::string& l) {
    return std::string_view(l).substr(0, kDateWidth) == date;
  });
  log.insert(std::upper_bound(log.begin(), log.end(), line), line);
}

void StoreVrhLogLines(const std::vector<std::string>& lines) {
  const auto path = app_path(kLogFile);
  std::vector<std::string> log = read_lines(path);
  std::sort(log.begin(), log.end());
  for (const std::string& l : lines) PutVrhLogLine(log, l);
  write_lines(path, log);
}

TVRHLogForm::TVRHLogForm(Desktop& desktop) : desktop_(desktop) {
  static const std::array<const char*, kColumns> kHeadings = {
      "開催日",   "単投資馬", "単的中馬", "単的中率", "単投資額", "単回収額", "単回収率",
      "複投資馬", "複的中馬", "複的中率", "複投資額", "複回収額", "複回収率"};
  StringGrid1.reset(kColumns, 2);
  for (int c = 0; c < kColumns; ++c) {
    StringGrid1.set(0, c, sj(kHeadings[static_cast<std::size_t>(c)]));
    StringGrid1.set_col_width(c, c == 0 ? 84 : 64);
  }
}

void TVRHLogForm::ReadBtnClick() {
  std::vector<std::string> log = read_lines(app_path(kLogFile));
  std::erase_if(log, [](const std::string& l) { return l.size() < kDateWidth; });
  std::sort(log.begin(), log.end(), std::greater<>());
  const int group = RadioGroup1.item_index() == 1 ? 1 : 0;
  StringGrid1.set_row_count(std::max<int>(2, static_cast<int>(log.size()) + 1));
  StringGrid1.clear_body();
  std::array<long long, 5> total{};
  for (std::size_t i = 0; i < log.size(); ++i) {
    const std::string& l = log[i];
    const auto v = group_numbers(l, group);
    const int n = v[0];
    const int row = static_cast<int>(i) + 1;
    const std::array<std::string, kColumns> cells = {
        l.substr(0, 4) + "/" + l.substr(4, 2) + "/" + l.substr(6, 2),
        fmt("%7d", n),
        fmt("%7d", v[1]),
        rate(v[1] * 100.0, n),
        fmt("%7d", n * 100),
        fmt("%7d", v[2]),
        rate(v[2], n),
        fmt("%7d", n),
        fmt("%7d", v[3]),
        rate(v[3] * 100.0, n),
        fmt("%7d", n * 100),
        fmt("%7d", v[4]),
        rate(v[4], n)};
    for (int c = 0; c < kColumns; ++c) StringGrid1.set(row, c, cells[static_cast<std::size_t>(c)]);
    for (std::size_t k = 0; k < total.size(); ++k) total[k] += v[k];
  }
  const int n = static_cast<int>(total[0]);
  TanTekiLabel.set_text(rate(static_cast<double>(total[1]) * 100.0, n));
  TanKaiLabel.set_text(rate(static_cast<double>(total[2]), n));
  FukTekiLabel.set_text(rate(static_cast<double>(total[3]) * 100.0, n));
  FukKaiLabel.set_text(rate(static_cast<double>(total[4]), n));
}

void TVRHLogForm::ClipBtnClick() {
  std::string text = SJ("単勝的中率") + TanTekiLabel.text() + "\r\n" + SJ("単勝回収率") +
                     TanKaiLabel.text() + "\r\n" + SJ("複勝的中率") + FukTekiLabel.text() + "\r\n" +
                     SJ("複勝回収率") + FukKaiLabel.text() + "\r\n";
  for (int r = 0; r < StringGrid1.row_count(); ++r) {
    for (int c = 0; c < StringGrid1.col_count(); ++c) {
      if (c > 0) text += '\t';
      text += StringGrid1.cell(r, c);
    }
    text += "\r\n";
  }
  desktop_.set_clipboard(text);
}

}  // namespace rv
