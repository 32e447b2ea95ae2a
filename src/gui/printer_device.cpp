#include "gui/printer_device.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "gui/page_replay.h"
#include "gui/qt_text.h"

namespace rv::gui {

QtPrinterDevice::QtPrinterDevice(QWidget* parent) : parent_(parent) {}

bool QtPrinterDevice::installed() const {
  return !QPrinterInfo::availablePrinters().isEmpty();
}

void QtPrinterDevice::set_paper(int /*paper*/, int orientation) {
  printer_.setPageSize(QPageSize(QPageSize::A4));
  printer_.setPageOrientation(orientation == kLandscape ? QPageLayout::Landscape
                                                        : QPageLayout::Portrait);
}

PrinterMetrics QtPrinterDevice::metrics() const {
  const QRect paper = printer_.paperRect(QPrinter::DevicePixel).toRect();
  const QRect page = printer_.pageRect(QPrinter::DevicePixel).toRect();
  PrinterMetrics m;
  m.dpi_x = printer_.logicalDpiX();
  m.dpi_y = printer_.logicalDpiY();
  m.physical_width = paper.width();
  m.physical_height = paper.height();
  m.offset_x = page.x() - paper.x();
  m.offset_y = page.y() - paper.y();
  m.printable_width = page.width();
  m.printable_height = page.height();
  return m;
}

void QtPrinterDevice::print(const std::string& title, std::span<const PagePicture> pages,
                            MapMode map_mode, int margin_left, int margin_top) {
  printer_.setDocName(qs(title));
  QPainter painter(&printer_);
  if (!painter.isActive()) return;
  const ReplayDevice device{printer_.logicalDpiX(),
                            printer_.logicalDpiY(),
                            ScreenDpi(),
                            map_mode,
                            margin_left,
                            margin_top};
  bool first = true;
  for (const PagePicture& page : pages) {
    if (!first) printer_.newPage();
    first = false;
    ReplayPage(painter, page, device);
  }
}

void QtPrinterDevice::setup_dialog() {
  QPrintDialog dialog(&printer_, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  dialog.exec();
}

}  // namespace rv::gui
