#include "gui/app_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace rv::gui {

void use_japanese_font() {
  QFont font = QApplication::font();
  if (QFontDatabase::writingSystems(font.family()).contains(QFontDatabase::Japanese)) return;
  for (const char* family : {"IPAPGothic", "IPAGothic", "Noto Sans CJK JP", "VL PGothic"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(family))) {
      font.setFamily(QString::fromLatin1(family));
      QApplication::setFont(font);
      return;
    }
  }
}

}  // namespace rv::gui
