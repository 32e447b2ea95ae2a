// TPrevX: the print preview control without widgets. It records what is drawn, page by
// page, as drawing commands in page units (0.1 mm by default, x to the right, y downwards)
// and hands the pages to whatever replays them: the preview on screen, the printer, a PDF.
// The conversions from page units to a device are here too, so that every replay agrees.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/controls.h"

namespace rv {

// "プリンタが登録されていません": an operation that needs a printer found none installed.
class PrinterError : public std::runtime_error {
 public:
  PrinterError();
};

enum class MapMode : std::uint8_t {
  pmmHi,  // page units of 0.1 mm
  pmmLo,  // page units of 1 mm
};

// The canvas settings a drawing command is drawn with.
struct PrintFont {
  std::string Name = "Arial";  // Shift-JIS
  int Size = 10;               // points
  bool Bold = false;
  bool Underline = false;
  Rgb Color = 0x000000;
  friend bool operator==(const PrintFont&, const PrintFont&) = default;
};
struct PrintPen {
  enum class Style : std::uint8_t { kSolid, kDot };
  int Width = 1;  // converted to device pixels by PenToDevice
  Rgb Color = 0x000000;
  Style PenStyle = Style::kSolid;
  friend bool operator==(const PrintPen&, const PrintPen&) = default;
};
struct PrintBrush {
  bool Clear = false;  // no fill
  Rgb Color = 0xFFFFFF;
  friend bool operator==(const PrintBrush&, const PrintBrush&) = default;
};
struct PrintCanvas {
  PrintFont Font;
  PrintPen Pen;
  PrintBrush Brush;
};

// One drawing command in page units. Text is drawn with the top left of its cell at
// (x1, y1); a rectangle is filled with the brush (unless clear) and framed with the pen; a
// filled rectangle is filled with the brush alone.
struct DrawCommand {
  enum class Op : std::uint8_t { kText, kMoveTo, kLineTo, kRectangle, kFillRect };
  Op op = Op::kText;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  std::string text;  // Shift-JIS
  PrintCanvas canvas;
};
using PagePicture = std::vector<DrawCommand>;

// What measuring a printer gives, in its device pixels.
struct PrinterMetrics {
  int dpi_x = 600;
  int dpi_y = 600;
  int physical_width = 0;
  int physical_height = 0;
  int offset_x = 0;  // of the printable area
  int offset_y = 0;
  int printable_width = 0;
  int printable_height = 0;
};

// Paper size and orientation codes of the printer's settings.
inline constexpr int kPaperA4 = 9;
inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;

// A page of `paper` in `orientation` measured as a device without margins at dpi: the page a
// PDF is, and the page recorded for when no printer is installed. A4 is the only size.
PrinterMetrics PaperMetrics(int paper, int orientation, int dpi);

// The printer the pages are recorded for and printed on.
class PrinterDevice {
 public:
  virtual ~PrinterDevice() = default;
  [[nodiscard]] virtual bool installed() const = 0;
  // Writes paper size and orientation into the printer's settings.
  virtual void set_paper(int paper, int orientation) = 0;
  [[nodiscard]] virtual PrinterMetrics metrics() const = 0;
  // The print job: pages drawn in page units through the conversions below.
  virtual void print(const std::string& title, std::span<const PagePicture> pages, MapMode map_mode,
                     int margin_left, int margin_top) = 0;
  // The system's printer setup dialog.
  virtual void setup_dialog() = 0;
};

// Where no printer can be had (the command-line tool, tests): pages are recorded on the
// plain A4 page of an uninstalled printer, and printing does nothing.
class NoPrinterDevice final : public PrinterDevice {
 public:
  [[nodiscard]] bool installed() const override { return false; }
  void set_paper(int /*paper*/, int /*orientation*/) override {}
  [[nodiscard]] PrinterMetrics metrics() const override { return {}; }
  void print(const std::string& /*title*/, std::span<const PagePicture> /*pages*/,
             MapMode /*map_mode*/, int /*margin_left*/, int /*margin_top*/) override {}
  void setup_dialog() override {}
};

// A device axis of page coordinate `page`: (page + margin) * dpi / 254 (pmmHi) or / 25.4
// (pmmLo), to the nearest integer.
int PageToDevice(int page, int margin, int dpi, MapMode map_mode);
// A pen width in device pixels: width * printer dpi_y / (screen dpi * 10), to the nearest
// integer, at least 1.
int PenToDevice(int width, int printer_dpi_y, int screen_dpi);
// A font size in points as a device height in pixels.
int FontToDevice(int points, int dpi_y);

// The preview's geometry in screen pixels: the printer's page scaled by
// screen dpi / printer dpi_y * zoom / 100, each size to the nearest integer.
struct PreviewGeometry {
  double scale = 0;
  int page_width = 0;
  int page_height = 0;
  int offset_x = 0;
  int offset_y = 0;
  int printable_width = 0;
  int printable_height = 0;
  // The control: the scaled page plus 20 pixels; the page sits at (10, 10).
  [[nodiscard]] int control_width() const { return page_width + 20; }
  [[nodiscard]] int control_height() const { return page_height + 20; }
};
PreviewGeometry PreviewGeometryOf(const PrinterMetrics& printer, int screen_dpi, int zoom_scale);

class TPrevX {
 public:
  explicit TPrevX(PrinterDevice& printer) : printer_(&printer) {}

  std::string Title;  // the print job's title
  int MarginLeft = 0;
  int MarginTop = 0;
  MapMode Mode = MapMode::pmmHi;

  // Percent, 25..200; other values are ignored.
  [[nodiscard]] int ZoomScale() const { return zoom_scale_; }
  void SetZoomScale(int percent);

  // Writes paper size and orientation into the printer's settings (kept for a PDF page
  // when no printer is installed).
  void SetPaper(int paper, int orientation);
  // Measures the printer, discards the pages recorded before and starts the first page.
  // Without a printer installed the page recorded for is the paper's own.
  void BeginDoc();
  // Starts the next page.
  void NewPage();
  void EndDoc();
  // Prints pages FromPage..ToPage of those recorded. Throws PrinterError without a printer.
  void Print();
  // The printer setup dialog. Throws PrinterError without a printer.
  void PrinterSetup();

  // Drawing on the page being recorded, in page units, with the canvas as it is set now.
  PrintCanvas Canvas;
  void TextOut(int x, int y, std::string_view text);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(int x1, int y1, int x2, int y2);
  void FillRect(int x1, int y1, int x2, int y2);

  int FromPage = 1;
  int ToPage = 9999;

  [[nodiscard]] const std::vector<PagePicture>& pages() const { return pages_; }
  [[nodiscard]] int CurrentPage() const { return current_page_; }
  void SetCurrentPage(int page);
  [[nodiscard]] const PrinterMetrics& metrics() const { return metrics_; }
  [[nodiscard]] int paper() const { return paper_; }
  [[nodiscard]] int orientation() const { return orientation_; }
  // The preview on screen: touched whenever pages, zoom or paper change, so it repaints.
  Control view;

 private:
  void need_printer() const;
  void add(DrawCommand command);

  PrinterDevice* printer_;
  int zoom_scale_ = 25;
  int paper_ = kPaperA4;
  int orientation_ = kPortrait;
  PrinterMetrics metrics_ = PaperMetrics(kPaperA4, kPortrait, 600);
  std::vector<PagePicture> pages_;
  int current_page_ = 0;  // 1-based; 0 before the first page
};

}  // namespace rv
