#include "app/main_grids.h"

#include <initializer_list>

#include "support/text.h"

namespace rv {
namespace {

struct Column {
  int col;
  const char* heading;  // UTF-8
  int width;
};

// Widths fit the headings and the widest cell the column is filled with.
void set_up(Grid& g, int cols, int rows, std::initializer_list<Column> columns) {
  g.reset(cols, rows);
  for (const Column& c : columns) {
    g.set(0, c.col, sj(c.heading));
    g.set_col_width(c.col, c.width);
  }
}

void set_up_bet_table(Grid& g, const char* no_heading, int rate_columns) {
  const int cols = 12 + (rate_columns > 1 ? rate_columns : 0);
  if (rate_columns == 1) {
    set_up(g, cols, 2,
           {{0, "消", 24},
            {1, no_heading, 40},
            {2, "買い目", 56},
            {3, "オッズ", 56},
            {4, "人気", 40},
            {5, "購入額", 60},
            {6, "回収額", 64},
            {7, "回収率", 56},
            {8, "出現率", 56},
            {9, "結果配当", 64},
            {10, "結果回収", 64},
            {11, "結果人気", 64}});
    return;
  }
  set_up(g, cols, 2,
         {{0, "消", 24},
          {1, no_heading, 40},
          {2, "買い目", 72},
          {3, "オッズ", 60},
          {4, "人気", 40},
          {5, "連人気", 48},
          {6, "購入額", 60},
          {7, "回収額", 64},
          {8, "回収率", 56},
          {9, "出現率1", 56},
          {10, "出現率2", 56}});
  int c = 11;
  if (rate_columns == 3) {
    g.set(0, c, sj("出現率3"));
    g.set_col_width(c++, 56);
  }
  for (const char* h : {"結果配当", "結果回収", "結果人気"}) {
    g.set(0, c, sj(h));
    g.set_col_width(c++, 64);
  }
}

}  // namespace

MainGrids::MainGrids()
    : bet_tables_{&StringGrid3,  &StringGrid5,  &StringGrid28, &StringGrid30,
                  &StringGrid31, &StringGrid32, &StringGrid33, &StringGrid34} {
  set_up(StringGrid2, 4, 19,
         {{0, "人気", 40}, {1, "枠連", 56}, {2, "オッズ", 60}, {3, "区分", 40}});
  set_up(StringGrid6, 14, 2,
         {{0, "枠", 24},
          {1, "馬", 28},
          {2, "馬名/騎手/斤量/性齢", 190},
          {3, "調教師", 72},
          {4, "ﾌﾞﾘﾝｶ", 40},
          {5, "見習", 36},
          {6, "着順", 52},
          {7, "人気/確ｵｯｽﾞ", 84},
          {8, "走破ﾀｲﾑ", 64},
          {9, "3Fﾀｲﾑ", 60},
          {10, "ｺｰﾅｰ順位", 100},
          {11, "馬体重", 56},
          {12, "本賞金/付加賞金", 100},
          {13, "異常区分", 60}});
  StringGrid6.set_visible(false);
  set_up(StringGrid26, 19, 2,
         {{0, "枠", 24},
          {1, "馬", 28},
          {2, "馬名", 150},
          {3, "性齢", 40},
          {4, "騎手", 72},
          {5, "斤量", 40},
          {6, "単オッズ", 60},
          {7, "順", 28},
          {8, "複ｵｯｽﾞ低", 60},
          {9, "順", 28},
          {10, "複ｵｯｽﾞ高", 60},
          {11, "順", 28},
          {12, "ﾏｲﾆﾝｸﾞ", 56},
          {13, "誤差＋", 52},
          {14, "誤差－", 52},
          {15, "順", 28},
          {16, "着", 28},
          {17, "人", 28},
          {18, "確ｵｯｽﾞ", 52}});
  set_up(StringGrid8, 14, 2,
         {{0, "枠", 24},
          {1, "馬", 28},
          {2, "単ｵｯｽﾞ", 52},
          {3, "順", 28},
          {4, "複ｵｯｽﾞ", 52},
          {5, "順", 28},
          {6, "ﾏｲﾆﾝｸﾞ", 56},
          {7, "順", 28},
          {8, "軸", 32},
          {9, "ヒモ1", 40},
          {10, "ヒモ2", 40},
          {11, "消", 28},
          {12, "着", 28},
          {13, "人", 28}});
  set_up(StringGrid4, 14, 2,
         {{0, "枠", 24},
          {1, "馬", 28},
          {2, "馬名", 150},
          {3, "軸候補", 52},
          {4, "軸", 32},
          {5, "紐候補", 52},
          {6, "紐ﾜｲﾄﾞ", 52},
          {7, "紐馬単", 52},
          {8, "紐３複", 52},
          {9, "紐３単", 52},
          {10, "単ｵｯｽﾞ", 52},
          {11, "順", 28},
          {12, "着", 28},
          {13, "人", 28}});
  set_up(StringGrid27, 8, 2,
         {{0, "", 24},
          {1, "馬連", 64},
          {2, "結果", 56},
          {3, "配当", 72},
          {4, "", 24},
          {5, "馬単", 64},
          {6, "結果", 56},
          {7, "配当", 72}});
  set_up_bet_table(StringGrid3, "No.", 1);
  set_up_bet_table(StringGrid5, "No.", 1);
  set_up_bet_table(StringGrid28, "No", 2);
  set_up_bet_table(StringGrid30, "No.", 2);
  set_up_bet_table(StringGrid31, "No.", 2);
  set_up_bet_table(StringGrid32, "No.", 2);
  set_up_bet_table(StringGrid33, "No.", 3);
  set_up_bet_table(StringGrid34, "No.", 3);
}

}  // namespace rv
