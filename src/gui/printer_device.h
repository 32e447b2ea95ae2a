// The system's printer for TPrevX, on Qt PrintSupport.
#pragma once

#include <QPrinter>

#include "app/print/prev_x.h"

class QWidget;

namespace rv::gui {

class QtPrinterDevice final : public PrinterDevice {
 public:
  explicit QtPrinterDevice(QWidget* parent = nullptr);

  [[nodiscard]] bool installed() const override;
  void set_paper(int paper, int orientation) override;
  [[nodiscard]] PrinterMetrics metrics() const override;
  void print(const std::string& title, std::span<const PagePicture> pages, MapMode map_mode,
             int margin_left, int margin_top) override;
  void setup_dialog() override;

 private:
  QWidget* parent_;
  mutable QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace rv::gui
