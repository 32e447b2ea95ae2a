// The overview sheet "一覧表" as drawing commands, and the preview control they are recorded in.
#include "app/print/overview_sheet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/print/all_print_form.h"
#include "common/fake_services.h"
#include "jvdata/layouts.h"
#include "model/day_fixture.h"
#include "support/settings.h"

namespace rv {
namespace {

using Op = DrawCommand::Op;
using testing::kHanshin;
using testing::kNakayama;

// Records for the paper without a printer, or refuses what needs one.
class FakePrinter final : public PrinterDevice {
 public:
  bool present = false;
  int printed_pages = 0;
  [[nodiscard]] bool installed() const override { return present; }
  void set_paper(int /*paper*/, int /*orientation*/) override {}
  [[nodiscard]] PrinterMetrics metrics() const override { return PaperMetrics(kPaperA4, 1, 300); }
  void print(const std::string& /*title*/, std::span<const PagePicture> pages, MapMode /*mode*/,
             int /*left*/, int /*top*/) override {
    printed_pages += static_cast<int>(pages.size());
  }
  void setup_dialog() override {}
};

TEST(PrevX, ConvertsPageUnitsPensAndFontsToTheDevice) {
  struct Case {
    int page, margin, dpi;
    MapMode mode;
    int device;
  };
  for (const Case& c :
       {Case{2690, 0, 600, MapMode::pmmHi, 6354}, Case{100, 0, 300, MapMode::pmmHi, 118},
        Case{100, 27, 600, MapMode::pmmHi, 300}, Case{10, 0, 600, MapMode::pmmLo, 236}}) {
    EXPECT_EQ(PageToDevice(c.page, c.margin, c.dpi, c.mode), c.device) << c.page;
  }
  EXPECT_EQ(PenToDevice(20, 600, 96), 13);  // 12.5 rounds up
  EXPECT_EQ(PenToDevice(5, 600, 96), 3);
  EXPECT_EQ(PenToDevice(1, 300, 96), 1);  // never thinner than one pixel
  EXPECT_EQ(FontToDevice(12, 600), 100);
}

TEST(PrevX, ZoomOutsideItsRangeIsIgnored) {
  FakePrinter printer;
  TPrevX prev(printer);
  for (const auto& [set, kept] : std::vector<std::pair<int, int>>{
           {50, 50}, {300, 50}, {24, 50}, {200, 200}, {25, 25}, {201, 25}}) {
    prev.SetZoomScale(set);
    EXPECT_EQ(prev.ZoomScale(), kept) << set;
  }
  const PrinterMetrics a4 = PaperMetrics(kPaperA4, kLandscape, 600);
  EXPECT_EQ(PreviewGeometryOf(a4, 96, prev.ZoomScale()).control_width(),
            static_cast<int>(std::lround(a4.physical_width * 96.0 / 600 * 0.25)) + 20);
}

TEST(PrevX, PrintingWithoutAPrinterIsRefusedAndTheFormSaysSo) {
  FakePrinter printer;
  TIniGT ini(std::filesystem::temp_directory_path() / "ravelin-print-test-unused.ini");
  testing::FakeDialogs dialogs;
  TAllPrintForm form(ini, printer, dialogs);
  form.PrevX.BeginDoc();  // without a printer: the paper's own page
  EXPECT_EQ(form.PrevX.metrics().physical_width,
            PaperMetrics(kPaperA4, kPortrait, 600).physical_width);
  EXPECT_THROW(form.PrevX.Print(), PrinterError);
  form.PrintBtnClick();
  form.SetupBtnClick();
  EXPECT_EQ(dialogs.calls,
            std::vector<std::string>(2, "error: " + sj("プリンタが登録されていません")));
  printer.present = true;
  form.PrintBtnClick();
  EXPECT_EQ(printer.printed_pages, 1);
}

class OverviewSheet : public testing::DayFixture {
 protected:
  // The commands of the day's sheet.
  PagePicture sheet() {
    EXPECT_EQ(load(), DayLoadResult::kLoaded);
    TPrevX prev(printer_);
    prev.BeginDoc();
    DrawOverviewSheet(*day, prev);
    EXPECT_EQ(prev.pages().size(), 1U);
    return prev.pages().front();
  }
  // The texts drawn after the frame: the races'.
  static std::vector<DrawCommand> race_texts(const PagePicture& page) {
    return {page.begin() + kFrameCommands, page.end()};
  }
  static constexpr std::ptrdiff_t kFrameCommands = 1 + 2 + 6 + 12 * 3;

  FakePrinter printer_;
};

TEST_F(OverviewSheet, DrawsTheTitleTheFrameAndTheRowsWhereTheyBelong) {
  race(kNakayama, 1);
  const PagePicture page = sheet();
  ASSERT_GE(page.size(), static_cast<std::size_t>(kFrameCommands));
  EXPECT_EQ(page[0].op, Op::kText);
  EXPECT_EQ(std::tie(page[0].x1, page[0].y1), std::make_tuple(100, 90));
  EXPECT_EQ(to_utf8(page[0].text), "2026年12月 6日 ");
  EXPECT_EQ(page[0].canvas.Font, (PrintFont{sj("ＭＳ ゴシック"), 14, true, true, 0}));

  struct Shape {
    Op op;
    int x1, y1, x2, y2, pen;
  };
  std::vector<Shape> want = {{Op::kRectangle, 100, 150, 2690, 1890, 20},
                             {Op::kFillRect, 100, 150, 2690, 200, 20}};
  for (const int x : {1030, 1860, 200}) {
    want.push_back({Op::kMoveTo, x, 150, 0, 0, 5});
    want.push_back({Op::kLineTo, x, 1890, 0, 0, 5});
  }
  for (int n = 1; n <= 12; ++n) {
    want.push_back({Op::kMoveTo, 100, 350 + (n - 1) * 140, 0, 0, 5});
    want.push_back({Op::kLineTo, 2690, 350 + (n - 1) * 140, 0, 0, 5});
    want.push_back({Op::kText, 120, n * 140 + 80, 0, 0, 5});
  }
  for (std::size_t i = 0; i < want.size(); ++i) {
    const DrawCommand& c = page[i + 1];
    SCOPED_TRACE(i);
    EXPECT_EQ(c.op, want[i].op);
    EXPECT_EQ(std::tie(c.x1, c.y1, c.x2, c.y2),
              std::tie(want[i].x1, want[i].y1, want[i].x2, want[i].y2));
    EXPECT_EQ(c.canvas.Pen.Width, want[i].pen);
  }
  EXPECT_TRUE(page[1].canvas.Brush.Clear);
  EXPECT_EQ(page[2].canvas.Brush.Color, 0xC0C0C0U);
  const DrawCommand& label = page[1 + 2 + 6 + 3 * 11 + 2];  // row 12's label
  EXPECT_EQ(label.text, "12R");
  EXPECT_EQ(label.canvas.Font, (PrintFont{sj("ＭＳ ゴシック"), 10, true, false, 0}));
}

TEST_F(OverviewSheet, OneVenueFillsTheFirstColumnAndARaceWithoutPayoutsOneLine) {
  for (int r = 1; r <= 3; ++r) {
    put(jvfeed::ra(jvfeed::key(testing::kYmd, kHanshin, r), {.runners = 9 + r})
            .set("Ryakusyo10", "阪神杯"));
  }
  const std::vector<DrawCommand> texts = race_texts(sheet());
  ASSERT_EQ(texts.size(), 3U);
  for (int r = 1; r <= 3; ++r) {
    const DrawCommand& c = texts[static_cast<std::size_t>(r - 1)];
    EXPECT_EQ(std::tie(c.x1, c.y1), std::make_tuple(202, r * 140 + 72));
    EXPECT_EQ(c.text.substr(0, 6), fmt("%2d頭　", 9 + r));
    EXPECT_EQ(to_utf8(c.text.substr(6, 6)), "阪神杯");
    EXPECT_EQ(c.text.size(), 6U + 20U);
    EXPECT_EQ(c.canvas.Font, (PrintFont{sj("ＭＳ ゴシック"), 12, false, false, 0}));
  }
}

TEST_F(OverviewSheet, APaidRaceShowsItsBracketResultPopularityAndClassInItsVenueColumn) {
  race(kNakayama, 1);
  const auto k = jvfeed::key(testing::kYmd, kHanshin, 11);
  put(jvfeed::ra(k, {.runners = 16}));
  struct Case {
    int rank;
    const char* shown;
    const char* cls;
  };
  for (const Case& c : {Case{1, " 1", "A"}, Case{2, " 2", "C"}, Case{4, " 4", "B"},
                        Case{9, " 9", "B"}, Case{10, "10", "A"}, Case{13, "13", "A"},
                        Case{14, "14", "C"}, Case{17, "17", "C"}, Case{18, "18", "-"}}) {
    put(jvfeed::hr(k, 16).pay(jvfeed::Bet::Bracket, 1, {3, 5}, 1230, c.rank));
    const std::vector<DrawCommand> texts = race_texts(sheet());
    ASSERT_EQ(texts.size(), 1U + 1U + 5U);  // 中山1R without payouts, 阪神11R with
    const int x0 = 1030;
    const int y0 = 11 * 140 + 70;
    const std::vector<std::tuple<int, int, std::string>> want = {
        {x0 + 2, y0 + 2, sj("16頭　　　　　　　　　　　")},  // an unnamed race
        {x0 + 2, y0 + 50, " 3"},
        {x0 + 52, y0 + 50, "- "},
        {x0 + 102, y0 + 50, "5"},
        {x0 + 200, y0 + 50, std::string(c.shown) + sj("人気")},
        {x0 + 400, y0 + 50, sj("区分:") + c.cls}};
    for (std::size_t i = 0; i < want.size(); ++i) {
      const DrawCommand& t = texts[i + 1];
      EXPECT_EQ(std::tie(t.x1, t.y1, t.text), want[i]) << c.rank << " " << i;
    }
  }
}

// Every race of a generated day (three venues of five races, edge cases included) sits in its
// venue's column and its race number's row; the paid ones have their second line.
class GeneratedOverviewSheet : public testing::GeneratedDayFixture {};

TEST_P(GeneratedOverviewSheet, EveryRaceSitsInItsVenueColumnAndRow) {
  ASSERT_EQ(LoadDay(*day, controls, sj(testing::kDate), settings, dialogs), DayLoadResult::kLoaded);
  FakePrinter printer;
  TPrevX prev(printer);
  prev.BeginDoc();
  DrawOverviewSheet(*day, prev);
  const PagePicture& page = prev.pages().front();
  std::size_t i = 1 + 2 + 6 + 12 * 3;
  for (int slot = 0; slot < day->slots_in_use(); ++slot) {
    const RaRecord& ra = day->RaData[static_cast<std::size_t>(slot)];
    std::size_t column = 0;
    while (column < 3 && day->BashoLabel[column] != ra.field(jv::head::JyoCD)) ++column;
    if (column == 3) continue;  // a fourth venue has no column: nothing drawn
    const int x0 = std::array{200, 1030, 1860}[column];
    const int y0 = inum(ra.field(jv::head::RaceNum)) * 140 + 70;
    ASSERT_LT(i, page.size());
    EXPECT_EQ(std::tie(page[i].x1, page[i].y1), std::make_tuple(x0 + 2, y0 + 2)) << slot;
    ++i;
    const bool paid = inum(day->HrData[static_cast<std::size_t>(slot)]
                               .field(jv::hr::WakurenKumi, 0)
                               .substr(0, 1)) > 0;
    if (!paid) continue;
    for (const int dx : {2, 52, 102, 200, 400}) {
      ASSERT_LT(i, page.size());
      EXPECT_EQ(std::tie(page[i].x1, page[i].y1), std::make_tuple(x0 + dx, y0 + 50)) << slot;
      ++i;
    }
  }
  EXPECT_EQ(i, page.size());
}

INSTANTIATE_TEST_SUITE_P(Seeds, GeneratedOverviewSheet, ::testing::Values(1U, 7U));

}  // namespace
}  // namespace rv
