#include "betting/loss_register.h"

#include <vector>

#include "betting/ruison_file.h"
#include "jvdata/code_tables.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr int kNoCol = 0;
constexpr int kRaceCol = 1;
constexpr int kKindCol = 2;
constexpr int kAmountCol = 3;

}  // namespace

std::string LossRaceText(const Day& day, int slot) {
  if (slot < 0 || slot >= kMaxRaces) return {};
  const std::string_view ra = day.RaData[static_cast<std::size_t>(slot)].view();
  return std::string(fld(ra, 12, 4)) + "/" + std::string(fld(ra, 16, 2)) + "/" +
         std::string(fld(ra, 18, 2)) + BashoShortName(fld(ra, 20, 2)) +
         std::to_string(inum(fld(ra, 26, 2))) + "R";
}

TLossRegForm::TLossRegForm(const Day& day, const ListControl& DateCombo, Edit& main_loss,
                           TIniGT& ini, Dialogs& dialogs)
    : TanLossBtn(sj("損失記録")),
      DeleteItem(sj("削除(&D)")),
      ClearItem(sj("全削除(&A)")),
      day_(day),
      DateCombo_(DateCombo),
      main_loss_(main_loss),
      ini_(ini),
      dialogs_(dialogs) {
  StringGrid4.reset(4, 2);
  constexpr std::array<std::pair<const char*, int>, 4> kHeadings = {
      {{"No.", 32}, {"レース", 150}, {"馬券種", -1}, {"損失金", 80}}};
  for (int c = 0; c < 4; ++c) {
    StringGrid4.set(0, c, sj(kHeadings[static_cast<std::size_t>(c)].first));
    StringGrid4.set_col_width(c, kHeadings[static_cast<std::size_t>(c)].second);
  }
  StringGrid4.set_style_fn(
      [this](const Grid& /*g*/, int row, int col) { return StringGrid4DrawCell(row, col); });
}

void TLossRegForm::FormCreate() {
  RuisonRead read;
  try {
    read = ReadRuisonFile();
  } catch (const FileError& e) {
    damaged_ = true;
    dialogs_.error(e.what());
    return;
  }
  StringGrid4.set_row_count(std::max<int>(2, static_cast<int>(read.rows.size()) + 1));
  for (std::size_t i = 0; i < read.rows.size(); ++i) {
    for (int c = 0; c < 4; ++c) {
      StringGrid4.set(static_cast<int>(i) + 1, c, read.rows[i][static_cast<std::size_t>(c)]);
    }
  }
  if (read.damaged_line > 0) {
    damaged_ = true;
    dialogs_.error(sj("ruison.csv の " + std::to_string(read.damaged_line) +
                      " 行目が読めません。読めた行だけを表示します。"));
  }
  ShowTotal();
}

void TLossRegForm::FormActivate() {
  Top = ini_.ReadInteger("Losslocate", "top", 50);
  Left = ini_.ReadInteger("Losslocate", "left", 600);
}

void TLossRegForm::FormDeactivate() {
  try {
    ini_.WriteInteger("Losslocate", "top", Top);
    ini_.WriteInteger("Losslocate", "left", Left);
  } catch (const FileError& e) {
    dialogs_.error(e.what());
  }
}

void TLossRegForm::Show() {
  Form.set_visible(true);
}

void TLossRegForm::FollowDay(const ListControl& races) {
  DatList.set_items(races.items());
}

bool TLossRegForm::empty() const {
  return is_blank(StringGrid4.cell(1, kNoCol));
}

std::int64_t TLossRegForm::total() const {
  std::int64_t sum = 0;
  for (int r = 1; r < StringGrid4.row_count(); ++r) sum += num(StringGrid4.cell(r, kAmountCol));
  return sum;
}

void TLossRegForm::ShowTotal() {
  RuisonLabel.set_text(empty() ? std::string() : fmt("%8lld", static_cast<long long>(total())));
}

void TLossRegForm::Renumber() {
  for (int r = 1; r < StringGrid4.row_count(); ++r) StringGrid4.set(r, kNoCol, fmt("%2d", r));
}

void TLossRegForm::Save() {
  if (damaged_ &&
      !dialogs_.confirm(sj("ruison.csv には読めない行がありました。上書きしますか？"))) {
    return;
  }
  std::vector<RuisonRow> rows;
  if (!empty()) {
    for (int r = 1; r < StringGrid4.row_count(); ++r) {
      RuisonRow row;
      for (int c = 0; c < 4; ++c) row[static_cast<std::size_t>(c)] = StringGrid4.cell(r, c);
      rows.push_back(std::move(row));
    }
  }
  try {
    WriteRuisonFile(rows);
    damaged_ = false;
  } catch (const FileError& e) {
    dialogs_.error(e.what());
  }
}

bool TLossRegForm::TanLossBtnClick() {
  const int slot = DatList.item_index();
  const std::int64_t v = num(SaNumEditExC3.text());
  if (slot < 0 || slot >= DatList.count() || DateCombo_.item_index() < 0 || v == 0) return false;
  const std::string word = sj(v < 0 ? "利益" : "損失");
  if (v + total() <= 0) {
    dialogs_.beep();
    dialogs_.info(word + sj("金を記録する必要はありません。"));
    return false;
  }
  const std::string race = LossRaceText(day_, slot);
  if (!dialogs_.confirm(race + sj("の") + word + sj("金を記録しますか？"))) return false;

  const std::string amount = fmt("%7lld", static_cast<long long>(v));
  int row = -1;
  for (int r = 1; r < StringGrid4.row_count(); ++r) {
    if (!empty() && StringGrid4.cell(r, kRaceCol) == race) {
      row = r;
      break;
    }
  }
  const bool added = row < 0;
  if (!added) {
    if (StringGrid4.cell(row, kAmountCol) == amount) {
      dialogs_.beep();
      dialogs_.info(sj("すでに同じ内容が計上済みです。"));
      return false;
    }
    if (!dialogs_.confirm(sj("同じレースの損失金が計上済みです。上書きしますか？"))) return false;
  } else if (empty()) {
    row = 1;
  } else {
    row = StringGrid4.row_count();
    StringGrid4.set_row_count(row + 1);
  }
  StringGrid4.set(row, kNoCol, fmt("%2d", row));
  StringGrid4.set(row, kRaceCol, race);
  StringGrid4.set(row, kKindCol, sj("枠連"));
  StringGrid4.set(row, kAmountCol, amount);
  ShowTotal();
  if (added) main_loss_.set_text(std::to_string(total()));
  Save();
  return true;
}

void TLossRegForm::StringGrid4MouseDown(int row) {
  if (row < 1 || row >= StringGrid4.row_count()) return;
  StringGrid4.select(row, 0);
  chosen_ = row;
  rest_ = total() - num(StringGrid4.cell(row, kAmountCol));
  chosen_text_ = sj("[No.]") + std::string(StringGrid4.cell(row, kNoCol)) + sj("【") +
                 std::string(StringGrid4.cell(row, kRaceCol)) + sj("】のデータ");
}

bool TLossRegForm::DeleteItemClick() {
  if (chosen_ < 1 || chosen_ >= StringGrid4.row_count()) return false;
  if (rest_ <= 0) {
    dialogs_.beep();
    dialogs_.info(sj("このデータを削除すると損失が消えます。全削除を行ってください。"));
    return false;
  }
  if (StringGrid4.row_count() <= 2) {
    dialogs_.beep();
    dialogs_.info(sj("全削除を行ってください。"));
    return false;
  }
  if (!dialogs_.confirm(chosen_text_ + sj("を削除しますか？"))) return false;
  for (int r = chosen_; r + 1 < StringGrid4.row_count(); ++r) StringGrid4.swap_rows(r, r + 1);
  StringGrid4.set_row_count(StringGrid4.row_count() - 1);
  chosen_ = -1;
  StringGrid4.select(-1, -1);
  Renumber();
  ShowTotal();
  Save();
  return true;
}

bool TLossRegForm::ClearItemClick() {
  if (!dialogs_.confirm(sj("表をクリアしますか？"))) return false;
  StringGrid4.clear_body();
  StringGrid4.set_row_count(2);
  StringGrid4.clear_row(1);
  chosen_ = -1;
  Save();
  RuisonLabel.set_text({});
  return true;
}

CellStyle TLossRegForm::StringGrid4DrawCell(int row, int col) const {
  CellStyle s;
  s.align = col == kAmountCol && row >= 1 ? Align::kRight : Align::kCenter;
  if (row == 0) {
    s.background = colors::kSilver;
  } else if (col == kNoCol) {
    s.background = colors::kAqua;
  } else if (col == kRaceCol) {
    s.background = colors::kInfoBk;
  } else {
    s.background = colors::kWhite;
  }
  return s;
}

}  // namespace rv
