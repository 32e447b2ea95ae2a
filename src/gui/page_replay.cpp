#include "gui/page_replay.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <cmath>

#include "support/files.h"
#include "support/text.h"

namespace rv::gui {
namespace {

QString qtext(std::string_view sjis) {
  const std::string u = to_utf8(sjis);
  return QString::fromUtf8(u.data(), static_cast<qsizetype>(u.size()));
}

QColor qcolor(Rgb rgb) {
  return {static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
          static_cast<int>(rgb & 0xFF)};
}

// The font named, then fonts with Japanese glyphs that stand in for it where it is not
// installed.
QFont qfont(const PrintFont& f, int dpi_y) {
  QFont font;
  font.setFamilies({qtext(f.Name), QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
  font.setPixelSize(FontToDevice(f.Size, dpi_y));
  font.setBold(f.Bold);
  font.setUnderline(f.Underline);
  return font;
}

}  // namespace

void ReplayPage(QPainter& painter, const PagePicture& page, const ReplayDevice& d) {
  const auto x = [&d](int v) { return PageToDevice(v, d.margin_left, d.dpi_x, d.map_mode); };
  const auto y = [&d](int v) { return PageToDevice(v, d.margin_top, d.dpi_y, d.map_mode); };
  const auto pen = [&d](const PrintPen& p) {
    QPen qp(qcolor(p.Color), PenToDevice(p.Width, d.dpi_y, d.screen_dpi));
    qp.setStyle(p.PenStyle == PrintPen::Style::kDot ? Qt::DotLine : Qt::SolidLine);
    qp.setCapStyle(Qt::SquareCap);
    qp.setJoinStyle(Qt::MiterJoin);
    return qp;
  };
  QPoint at;
  for (const DrawCommand& c : page) {
    switch (c.op) {
      case DrawCommand::Op::kText: {
        const QFont font = qfont(c.canvas.Font, d.dpi_y);
        painter.setFont(font);
        painter.setPen(qcolor(c.canvas.Font.Color));
        // The point given is the top left of the text's cell.
        const QFontMetrics metrics(font, painter.device());
        painter.drawText(QPoint(x(c.x1), y(c.y1) + metrics.ascent()), qtext(c.text));
        break;
      }
      case DrawCommand::Op::kMoveTo:
        at = {x(c.x1), y(c.y1)};
        break;
      case DrawCommand::Op::kLineTo: {
        const QPoint to(x(c.x1), y(c.y1));
        painter.setPen(pen(c.canvas.Pen));
        painter.drawLine(at, to);
        at = to;
        break;
      }
      case DrawCommand::Op::kRectangle:
        painter.setPen(pen(c.canvas.Pen));
        painter.setBrush(c.canvas.Brush.Clear ? QBrush(Qt::NoBrush)
                                              : QBrush(qcolor(c.canvas.Brush.Color)));
        painter.drawRect(QRect(QPoint(x(c.x1), y(c.y1)), QPoint(x(c.x2), y(c.y2))));
        break;
      case DrawCommand::Op::kFillRect:
        painter.fillRect(QRect(QPoint(x(c.x1), y(c.y1)), QPoint(x(c.x2), y(c.y2))),
                         qcolor(c.canvas.Brush.Color));
        break;
    }
  }
}

int ScreenDpi() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
}

void WritePdf(const TPrevX& prev, const std::filesystem::path& file) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setTitle(qtext(prev.Title));
    writer.setCreator(QStringLiteral("Ravelin"));
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4),
        prev.orientation() == kLandscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    if (!painter.isActive()) throw FileError(path_text(file) + SJ(" に書き込めません。"));
    const ReplayDevice device{kPdfDpi,   kPdfDpi,         ScreenDpi(),
                              prev.Mode, prev.MarginLeft, prev.MarginTop};
    bool first = true;
    for (const PagePicture& page : prev.pages()) {
      if (!first) writer.newPage();
      first = false;
      ReplayPage(painter, page, device);
    }
  }
  const QByteArray& bytes = buffer.data();
  write_file_atomic(file,
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace rv::gui
