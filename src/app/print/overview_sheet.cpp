#include "app/print/overview_sheet.h"

#include <string>

#include "jvdata/keiba_format.h"
#include "jvdata/layouts.h"
#include "support/text.h"

namespace rv {
namespace {

// Page units of 0.1 mm.
constexpr int kLeft = 100;
constexpr int kRight = 2690;
constexpr int kTop = 150;
constexpr int kBottom = 1890;
constexpr int kBandBottom = 200;
constexpr int kRowHeight = 140;
constexpr int kColumns[] = {200, 1030, 1860};  // the day's first, second and third venue
constexpr Rgb kSilver = 0xC0C0C0;

void draw_title(const Day& day, TPrevX& prev) {
  prev.Canvas.Font.Name = SJ("ＭＳ ゴシック");
  prev.Canvas.Font.Size = 14;
  prev.Canvas.Font.Bold = true;
  prev.Canvas.Font.Underline = true;
  const RaRecord& ra = day.RaData[0];
  const std::string_view month_day = ra.field(jv::head::MonthDay);
  prev.TextOut(100, 90,
               std::string(ra.field(jv::head::Year)) + SJ("年") + FmtNum(month_day.substr(0, 2)) +
                   SJ("月") + FmtNum(month_day.substr(2, 2)) + SJ("日 "));
}

void draw_frame(TPrevX& prev) {
  prev.Canvas.Pen.Width = 20;
  prev.Canvas.Brush.Clear = true;
  prev.Rectangle(kLeft, kTop, kRight, kBottom);
  prev.Canvas.Brush = {.Clear = false, .Color = kSilver};
  prev.FillRect(kLeft, kTop, kRight, kBandBottom);
  prev.Canvas.Pen.Width = 5;
  for (const int x : {kColumns[1], kColumns[2], kColumns[0]}) {
    prev.MoveTo(x, kTop);
    prev.LineTo(x, kBottom);
  }
  prev.Canvas.Font.Size = 10;
  prev.Canvas.Font.Bold = true;
  prev.Canvas.Font.Underline = false;
  for (int n = 1; n <= 12; ++n) {
    const int y = 350 + (n - 1) * kRowHeight;
    prev.MoveTo(kLeft, y);
    prev.LineTo(kRight, y);
    prev.TextOut(120, n * kRowHeight + 80, fmt("%2dR", n));
  }
}

// The column of a race's venue among the day's venues; -1 for none.
int venue_column(const Day& day, std::string_view venue) {
  for (int k = 0; k < 3; ++k) {
    if (!day.BashoLabel[static_cast<std::size_t>(k)].empty() &&
        day.BashoLabel[static_cast<std::size_t>(k)] == venue) {
      return kColumns[k];
    }
  }
  return -1;
}

void draw_race(const Day& day, int slot, TPrevX& prev) {
  const RaRecord& ra = day.RaData[static_cast<std::size_t>(slot)];
  const int n = inum(ra.field(jv::head::RaceNum));
  const int x0 = venue_column(day, ra.field(jv::head::JyoCD));
  if (n <= 0 || x0 < 0) return;
  const int y0 = n * kRowHeight + 70;
  prev.TextOut(x0 + 2, y0 + 2,
               fmt("%2d頭　", inum(ra.field(jv::ra::TorokuTosu))) +
                   std::string(ra.field(jv::ra::Ryakusyo10)));

  const HrRecord& hr = day.HrData[static_cast<std::size_t>(slot)];
  const std::string_view kumi = hr.field(jv::hr::WakurenKumi, 0);
  if (kumi.size() != 2 || inum(kumi.substr(0, 1)) <= 0) return;
  const std::string_view rank = hr.field(jv::hr::WakurenNinki, 0);
  prev.TextOut(x0 + 2, y0 + 50, " " + std::string(kumi.substr(0, 1)));
  prev.TextOut(x0 + 52, y0 + 50, "- ");
  prev.TextOut(x0 + 102, y0 + 50, std::string(kumi.substr(1, 1)));
  prev.TextOut(x0 + 200, y0 + 50, FmtNum(rank) + SJ("人気"));
  prev.TextOut(x0 + 400, y0 + 50, SJ("区分:") + std::string(WakurenClass(inum(rank))));
}

}  // namespace

std::string_view WakurenClass(int rank) {
  if (rank == 1 || (rank >= 10 && rank <= 13)) return "A";
  if (rank >= 4 && rank <= 9) return "B";
  if (rank == 2 || rank == 3 || (rank >= 14 && rank <= 17)) return "C";
  return "-";
}

void DrawOverviewSheet(const Day& day, TPrevX& prev) {
  draw_title(day, prev);
  draw_frame(prev);
  prev.Canvas.Font.Size = 12;
  prev.Canvas.Font.Bold = false;
  for (int slot = 0; slot < kMaxRaces; ++slot) {
    if (day.slot_in_use(slot)) draw_race(day, slot, prev);
  }
}

}  // namespace rv
