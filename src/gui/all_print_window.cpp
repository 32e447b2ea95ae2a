#include "gui/all_print_window.h"

#include <QFileDialog>
#include <QPainter>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/page_replay.h"
#include "gui/qt_services.h"
#include "gui/qt_text.h"
#include "gui/radio_box.h"
#include "support/files.h"

namespace rv::gui {

PrevXView::PrevXView(TPrevX& prev, QWidget* parent) : QWidget(parent), prev_(prev) {
  setObjectName("PrevX");
  sync();
}

void PrevXView::sync() {
  if (version_ == prev_.view.version()) return;
  version_ = prev_.view.version();
  const PreviewGeometry g = PreviewGeometryOf(prev_.metrics(), ScreenDpi(), prev_.ZoomScale());
  setFixedSize(g.control_width(), g.control_height());
  update();
}

void PrevXView::paintEvent(QPaintEvent* /*event*/) {
  const PrinterMetrics& m = prev_.metrics();
  const PreviewGeometry g = PreviewGeometryOf(m, ScreenDpi(), prev_.ZoomScale());
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
  painter.setBrush(Qt::white);
  painter.drawRect(10, 10, g.page_width, g.page_height);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(10 + g.offset_x, 10 + g.offset_y, g.printable_width, g.printable_height);
  const int page = prev_.CurrentPage();
  if (page < 1 || page > static_cast<int>(prev_.pages().size())) return;
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(10 + g.offset_x, 10 + g.offset_y);
  painter.scale(static_cast<double>(g.printable_width) / m.printable_width,
                static_cast<double>(g.printable_height) / m.printable_height);
  ReplayPage(painter, prev_.pages()[static_cast<std::size_t>(page - 1)],
             {m.dpi_x, m.dpi_y, ScreenDpi(), prev_.Mode, prev_.MarginLeft, prev_.MarginTop});
}

AllPrintWindow::AllPrintWindow(TAllPrintForm& form, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), dialogs_(dialogs), binder_(dialogs, this) {
  setObjectName("AllPrintForm");
  setWindowTitle(qs(form.Caption));
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QToolBar(this);
  bar->setObjectName("ToolBar1");
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  const auto button = [&](Command& c, const char* name, Handler handler) {
    QAction* a = bar->addAction(QString());
    a->setObjectName(name);
    binder_.command(a, c, std::move(handler));
  };
  button(form.CloseBtn, "CloseBtn", [this] { reject(); });
  button(form.PrintBtn, "PrintBtn", [this] { form_.PrintBtnClick(); });
  button(form.SetupBtn, "SetupBtn", [this] { form_.SetupBtnClick(); });
  button(form.PdfBtn, "PdfBtn", [this] { save_pdf(); });
  bar->addSeparator();
  bar->addWidget(radio_box(binder_, form.RadioGroup1, "RadioGroup1", Qt::Horizontal, bar, [this] {
    form_.RadioGroup1Click();
    view_->sync();
  }));
  top->addWidget(bar);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName("ScrollBox1");
  scroll->setBackgroundRole(QPalette::Dark);
  view_ = new PrevXView(form.PrevX, scroll);
  scroll->setWidget(view_);
  top->addWidget(scroll, 1);
  setGeometry(form.bounds.left, form.bounds.top, form.bounds.width, form.bounds.height);
}

void AllPrintWindow::save_pdf() {
  const QString file = QFileDialog::getSaveFileName(this, QString::fromUtf8("PDFに保存"),
                                                    QString::fromUtf8("一覧表.pdf"),
                                                    QString::fromUtf8("PDF (*.pdf)"));
  if (file.isEmpty()) return;
  WritePdf(form_.PrevX, fspath(file));
}

void AllPrintWindow::done(int result) {
  const QRect r = geometry();
  form_.bounds = {r.top(), r.left(), r.width(), r.height()};
  binder_.run([this] { form_.FormClose(); });
  QDialog::done(result);
}

void ShowAllPrintForm(std::unique_ptr<TAllPrintForm> form, Dialogs& dialogs, QWidget* parent) {
  if (!form) return;
  AllPrintWindow window(*form, dialogs, parent);
  window.exec();
}

}  // namespace rv::gui
