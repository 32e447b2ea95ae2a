// The state of the window's controls, kept in the core as plain data so that handlers and
// tests work without widgets. The Qt layer binds generic views to these objects and redraws
// a view when its version has moved. Texts are Shift-JIS.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/cell_text.h"
#include "support/clock.h"

namespace rv {

// 0xRRGGBB, or kDefaultColor for "whatever the view uses normally".
using Rgb = std::uint32_t;
inline constexpr Rgb kDefaultColor = 0xFF000000u;

namespace colors {
inline constexpr Rgb kBlack = 0x000000;
inline constexpr Rgb kWhite = 0xFFFFFF;
inline constexpr Rgb kRed = 0xFF0000;
inline constexpr Rgb kBlue = 0x0000FF;
inline constexpr Rgb kLime = 0x00FF00;
inline constexpr Rgb kGreen = 0x008000;
inline constexpr Rgb kYellow = 0xFFFF00;
inline constexpr Rgb kAqua = 0x00FFFF;
inline constexpr Rgb kFuchsia = 0xFF00FF;
inline constexpr Rgb kNavy = 0x000080;
inline constexpr Rgb kMaroon = 0x800000;
inline constexpr Rgb kOlive = 0x808000;
inline constexpr Rgb kPurple = 0x800080;
inline constexpr Rgb kTeal = 0x008080;
inline constexpr Rgb kGray = 0x808080;
inline constexpr Rgb kSilver = 0xC0C0C0;
inline constexpr Rgb kBtnFace = 0xF0F0F0;
inline constexpr Rgb kMoneyGreen = 0xC0DCC0;
inline constexpr Rgb kCream = 0xFFFBF0;
inline constexpr Rgb kSkyBlue = 0xA6CAF0;
inline constexpr Rgb kInfoBk = 0xFFFFE1;  // the tooltip background of the desktop
}  // namespace colors

enum class Align : std::uint8_t { kLeft, kCenter, kRight };

// One piece of text that a cell draws at its own place, for cells that show more than their
// text: a second line, a small note near the right edge, numbers each in its own colour.
struct CellRun {
  enum class Anchor : std::uint8_t {
    kLeft,       // starts x pixels right of the cell's left edge
    kFromRight,  // starts x pixels left of the cell's right edge
    kCenter,     // centred in the cell (x ignored)
  };
  std::string text;  // Shift-JIS
  int line = 0;      // 0 first line, 1 second line of a two-line cell, -1 the cell's middle
  int x = 0;
  Anchor anchor = Anchor::kLeft;
  Rgb color = kDefaultColor;
  bool bold = false;
  int size = 0;  // point size; 0 = the cell's
};

struct CellStyle {
  Rgb background = kDefaultColor;
  Rgb text = kDefaultColor;
  bool bold = false;
  Align align = Align::kLeft;
  // The cell is drawn on two lines: its text holds a line break ("\r\n"), or runs use line 1.
  bool two_lines = false;
  int size = 0;  // point size; 0 = the view's font
  // When not empty the cell draws these instead of its text (the text stays what a copy of
  // the grid sees).
  std::vector<CellRun> runs;
};

// For the controls the window keeps without showing them: `Command c{sj("..."), kHidden};`.
inline constexpr bool kHidden = false;

// Base of every control: visibility, enabled state and a version that moves on every change.
class Control {
 public:
  Control() = default;
  explicit Control(bool visible) : visible_(visible) {}
  [[nodiscard]] std::uint64_t version() const { return version_; }
  [[nodiscard]] bool visible() const { return visible_; }
  [[nodiscard]] bool enabled() const { return enabled_; }
  void set_visible(bool v) { change(visible_, v); }
  void set_enabled(bool v) { change(enabled_, v); }
  void touch() { ++version_; }

 protected:
  template <typename T>
  void change(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    ++version_;
  }

 private:
  std::uint64_t version_ = 1;
  bool visible_ = true;
  bool enabled_ = true;
};

// A string grid: rows x columns of texts; row 0 .. fixed_rows-1 are headings. Rows keep
// their storage when the row count shrinks, so refilling a grid per race allocates nothing
// once it has grown.
class Grid : public Control {
 public:
  using StyleFn = std::function<CellStyle(const Grid&, int row, int col)>;

  Grid() = default;
  Grid(int cols, int rows, int fixed_rows = 1) { reset(cols, rows, fixed_rows); }

  void reset(int cols, int rows, int fixed_rows = 1);
  [[nodiscard]] int col_count() const { return cols_; }
  [[nodiscard]] int row_count() const { return rows_; }
  [[nodiscard]] int fixed_rows() const { return fixed_rows_; }
  void set_col_count(int cols);
  void set_row_count(int rows);

  [[nodiscard]] std::string_view cell(int row, int col) const;
  // Inline: the bet tables write tens of thousands of cells at each race selection.
  void set(int row, int col, std::string_view text) {
    if (row < 0 || col < 0 || row >= rows_ || col >= cols_) return;
    CellText& c = cells_[index(row, col)];
    if (c.equals(text)) return;
    c.assign(text);
    touch();
  }
  void clear_row(int row);
  // Empties every cell below the headings.
  void clear_body();
  // Swaps two rows' texts (for the sorts that move whole rows).
  void swap_rows(int a, int b);

  [[nodiscard]] int col_width(int col) const;
  void set_col_width(int col, int width);

  // Cell drawing rule of the owner (the DrawCell handler).
  void set_style_fn(StyleFn fn) { style_ = std::move(fn); }
  [[nodiscard]] CellStyle style(int row, int col) const;

  // Selected cell, as the user left it.
  [[nodiscard]] int row() const { return sel_row_; }
  [[nodiscard]] int col() const { return sel_col_; }
  void select(int row, int col);

 private:
  [[nodiscard]] std::size_t index(int row, int col) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col);
  }

  int cols_ = 0;
  int rows_ = 0;
  int fixed_rows_ = 1;
  int sel_row_ = 1;
  int sel_col_ = 0;
  std::vector<CellText> cells_;
  std::vector<int> widths_;
  StyleFn style_;
};

class Label : public Control {
 public:
  Label() = default;
  explicit Label(std::string_view caption) : text_(caption) {}
  [[nodiscard]] const std::string& text() const { return text_; }
  void set_text(std::string_view t) {
    if (text_ != t) {
      text_ = t;
      touch();
    }
  }
  [[nodiscard]] Rgb color() const { return color_; }
  [[nodiscard]] Rgb font_color() const { return font_color_; }
  [[nodiscard]] bool bold() const { return bold_; }
  void set_color(Rgb c) { change(color_, c); }
  void set_font_color(Rgb c) { change(font_color_, c); }
  void set_bold(bool b) { change(bold_, b); }

 private:
  std::string text_;
  Rgb color_ = kDefaultColor;
  Rgb font_color_ = kDefaultColor;
  bool bold_ = false;
};

// A list box or a drop-down list: items and the selected index (-1 = none).
class ListControl : public Control {
 public:
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
  [[nodiscard]] int count() const { return static_cast<int>(items_.size()); }
  [[nodiscard]] const std::string& item(int i) const {
    return items_.at(static_cast<std::size_t>(i));
  }
  [[nodiscard]] int item_index() const { return index_; }
  // Index of the first item reading exactly `text`; -1 when none does.
  [[nodiscard]] int index_of(std::string_view text) const;
  // Text of the selected item; empty when none.
  [[nodiscard]] std::string text() const;
  void clear();
  void add(std::string_view item);
  void set_items(std::vector<std::string> items);
  void set_item_index(int i);

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

// A check box, radio item or checkable menu command.
class Toggle : public Control {
 public:
  Toggle() = default;
  explicit Toggle(std::string_view caption, bool visible = true)
      : Control(visible), caption_(caption) {}
  [[nodiscard]] const std::string& caption() const { return caption_; }
  [[nodiscard]] bool checked() const { return checked_; }
  void set_checked(bool c) { change(checked_, c); }

 private:
  std::string caption_;
  bool checked_ = false;
};

// Checks items[index] and unchecks the others, as radio menu items do. An index outside the
// list changes nothing and answers false.
bool check_radio_item(std::initializer_list<Toggle*> items, int index);

// A push button or a plain menu command: what the window shows and whether it is shown.
// Hidden ones still exist; other code runs their handlers as internal commands.
class Command : public Control {
 public:
  Command() = default;
  explicit Command(std::string_view caption, bool visible = true, std::string_view hint = {})
      : Control(visible), caption_(caption), hint_(hint) {}
  [[nodiscard]] const std::string& caption() const { return caption_; }
  // What the status line and the tool tip say about the command; empty for none.
  [[nodiscard]] const std::string& hint() const { return hint_; }

 private:
  std::string caption_;
  std::string hint_;
};

// A group of radio buttons: its caption, the item captions and the selected index.
class RadioGroup : public Control {
 public:
  RadioGroup() = default;
  RadioGroup(std::string_view caption, std::vector<std::string> items)
      : caption_(caption), items_(std::move(items)) {}
  [[nodiscard]] const std::string& caption() const { return caption_; }
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
  [[nodiscard]] int item_index() const { return index_; }
  void set_item_index(int i) { change(index_, i); }

 private:
  std::string caption_;
  std::vector<std::string> items_;
  int index_ = 0;
};

class Edit : public Control {
 public:
  [[nodiscard]] const std::string& text() const { return text_; }
  void set_text(std::string_view t) {
    if (text_ != t) {
      text_ = t;
      touch();
    }
  }

 private:
  std::string text_;
};

class ProgressBar : public Control {
 public:
  [[nodiscard]] int max() const { return max_; }
  [[nodiscard]] int position() const { return position_; }
  void set_max(int m) { change(max_, m); }
  void set_position(int p) { change(position_, p); }

 private:
  int max_ = 100;
  int position_ = 0;
};

// A timer's state; the window runs a real timer over it and calls the owner's handler.
class TimerState : public Control {
 public:
  [[nodiscard]] int interval_ms() const { return interval_; }
  void set_interval_ms(int ms) { change(interval_, ms); }

 private:
  int interval_ = 1000;
};

// A check list box: items, each with its own check mark.
class CheckListBox : public Control {
 public:
  [[nodiscard]] const std::vector<std::string>& items() const { return items_; }
  [[nodiscard]] int count() const { return static_cast<int>(items_.size()); }
  void set_items(std::vector<std::string> items);
  // Outside the items reads unchecked and changes nothing.
  [[nodiscard]] bool checked(int i) const;
  void set_checked(int i, bool c);
  void set_all(bool c);

 private:
  std::vector<std::string> items_;
  std::vector<bool> checked_;
};

// A spin edit: a whole number kept within [min, max].
class SpinEdit : public Control {
 public:
  SpinEdit() = default;
  SpinEdit(int min, int max, int value) : min_(min), max_(max), value_(clamp(value)) {}
  [[nodiscard]] int min() const { return min_; }
  [[nodiscard]] int max() const { return max_; }
  [[nodiscard]] int value() const { return value_; }
  // A value outside the range is brought to its nearer end.
  void set_value(int v) { change(value_, clamp(v)); }

 private:
  [[nodiscard]] int clamp(int v) const { return v < min_ ? min_ : (v > max_ ? max_ : v); }
  int min_ = 0;
  int max_ = 100;
  int value_ = 0;
};

// A tab control: its tab captions and the active tab.
class TabControl : public Control {
 public:
  TabControl() = default;
  explicit TabControl(std::vector<std::string> captions) : captions_(std::move(captions)) {}
  [[nodiscard]] const std::vector<std::string>& captions() const { return captions_; }
  [[nodiscard]] int tab_index() const { return index_; }
  void set_tab_index(int i) { change(index_, i); }

 private:
  std::vector<std::string> captions_;
  int index_ = 0;
};

// A date-time picker that shows a date: choosing another day keeps the time of day.
class DateTimePicker : public Control {
 public:
  [[nodiscard]] const DateTime& value() const { return value_; }
  void set_value(const DateTime& v) { change(value_, v); }
  void set_date(int year, int month, int day) {
    DateTime v = value_;
    v.year = year;
    v.month = month;
    v.day = day;
    set_value(v);
  }

 private:
  DateTime value_;
};

}  // namespace rv
