// The recorded pages of TPrevX drawn with Qt: on the preview, a printer or a PDF. Needs only
// Qt GUI (no widgets), so ravelin-cli can write a PDF without a display.
#pragma once

#include <filesystem>

#include "app/print/prev_x.h"

class QPainter;

namespace rv::gui {

// How page units become device pixels.
struct ReplayDevice {
  int dpi_x = 600;
  int dpi_y = 600;
  int screen_dpi = 96;
  MapMode map_mode = MapMode::pmmHi;
  int margin_left = 0;
  int margin_top = 0;
};

// Draws one page in device pixels whose origin is the painter's.
void ReplayPage(QPainter& painter, const PagePicture& page, const ReplayDevice& device);

// The screen's resolution the pen widths are reckoned with: the primary screen's logical
// dpi, 96 without a screen.
int ScreenDpi();

// Writes the recorded pages as a PDF of their paper (every page recorded, in order).
// Throws FileError when the file cannot be written.
void WritePdf(const TPrevX& prev, const std::filesystem::path& file);

// The resolution of the PDFs written.
inline constexpr int kPdfDpi = 600;

}  // namespace rv::gui
