#include "app/print/prev_x.h"

#include <algorithm>
#include <cmath>

#include "support/text.h"

namespace rv {
namespace {

int nearest(double v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

PrinterError::PrinterError() : std::runtime_error(SJ("プリンタが登録されていません")) {}

PrinterMetrics PaperMetrics(int /*paper*/, int orientation, int dpi) {
  // A4: 210 x 297 mm.
  const int short_side = nearest(210.0 * dpi / 25.4);
  const int long_side = nearest(297.0 * dpi / 25.4);
  const bool landscape = orientation == kLandscape;
  PrinterMetrics m;
  m.dpi_x = dpi;
  m.dpi_y = dpi;
  m.physical_width = landscape ? long_side : short_side;
  m.physical_height = landscape ? short_side : long_side;
  m.printable_width = m.physical_width;
  m.printable_height = m.physical_height;
  return m;
}

int PageToDevice(int page, int margin, int dpi, MapMode map_mode) {
  const double per_inch = map_mode == MapMode::pmmHi ? 254.0 : 25.4;
  return nearest((page + margin) * static_cast<double>(dpi) / per_inch);
}

int PenToDevice(int width, int printer_dpi_y, int screen_dpi) {
  return std::max(1, nearest(width * static_cast<double>(printer_dpi_y) / (screen_dpi * 10.0)));
}

int FontToDevice(int points, int dpi_y) {
  return nearest(points * static_cast<double>(dpi_y) / 72.0);
}

PreviewGeometry PreviewGeometryOf(const PrinterMetrics& printer, int screen_dpi, int zoom_scale) {
  PreviewGeometry g;
  g.scale = static_cast<double>(screen_dpi) / printer.dpi_y * zoom_scale / 100.0;
  const auto scaled = [&g](int v) { return nearest(v * g.scale); };
  g.page_width = scaled(printer.physical_width);
  g.page_height = scaled(printer.physical_height);
  g.offset_x = scaled(printer.offset_x);
  g.offset_y = scaled(printer.offset_y);
  g.printable_width = scaled(printer.printable_width);
  g.printable_height = scaled(printer.printable_height);
  return g;
}

void TPrevX::SetZoomScale(int percent) {
  if (percent < 25 || percent > 200 || percent == zoom_scale_) return;
  zoom_scale_ = percent;
  view.touch();
}

void TPrevX::SetPaper(int paper, int orientation) {
  paper_ = paper;
  orientation_ = orientation;
  if (printer_->installed()) printer_->set_paper(paper, orientation);
  view.touch();
}

void TPrevX::BeginDoc() {
  metrics_ = printer_->installed() ? printer_->metrics()
                                   : PaperMetrics(paper_, orientation_, metrics_.dpi_y);
  pages_.clear();
  current_page_ = 0;
  NewPage();
}

void TPrevX::NewPage() {
  pages_.emplace_back();
  current_page_ = static_cast<int>(pages_.size());
}

void TPrevX::EndDoc() {
  view.touch();
}

void TPrevX::need_printer() const {
  if (!printer_->installed()) throw PrinterError();
}

void TPrevX::Print() {
  need_printer();
  const int last = std::min(ToPage, static_cast<int>(pages_.size()));
  const int first = std::max(FromPage, 1);
  if (first > last) return;
  const std::span<const PagePicture> range(pages_.data() + first - 1,
                                           static_cast<std::size_t>(last - first + 1));
  printer_->print(Title, range, Mode, MarginLeft, MarginTop);
}

void TPrevX::PrinterSetup() {
  need_printer();
  printer_->setup_dialog();
}

void TPrevX::SetCurrentPage(int page) {
  if (page < 1 || page > static_cast<int>(pages_.size()) || page == current_page_) return;
  current_page_ = page;
  view.touch();
}

void TPrevX::add(DrawCommand command) {
  if (pages_.empty()) NewPage();
  command.canvas = Canvas;
  pages_.back().push_back(std::move(command));
}

void TPrevX::TextOut(int x, int y, std::string_view text) {
  add({DrawCommand::Op::kText, x, y, 0, 0, std::string(text), {}});
}

void TPrevX::MoveTo(int x, int y) {
  add({DrawCommand::Op::kMoveTo, x, y, 0, 0, {}, {}});
}

void TPrevX::LineTo(int x, int y) {
  add({DrawCommand::Op::kLineTo, x, y, 0, 0, {}, {}});
}

void TPrevX::Rectangle(int x1, int y1, int x2, int y2) {
  add({DrawCommand::Op::kRectangle, x1, y1, x2, y2, {}, {}});
}

void TPrevX::FillRect(int x1, int y1, int x2, int y2) {
  add({DrawCommand::Op::kFillRect, x1, y1, x2, y2, {}, {}});
}

}  // namespace rv
