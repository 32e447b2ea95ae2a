// Shift-JIS core text at the Qt edge.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "support/text.h"

namespace rv::gui {

// Shift-JIS -> QString.
inline QString qs(std::string_view sjis) {
  const std::string u = to_utf8(sjis);
  return QString::fromUtf8(u.data(), static_cast<qsizetype>(u.size()));
}

// A UTF-8 literal of the window's own (a caption the core does not hold) -> QString.
inline QString u8(const char* text) {
  return QString::fromUtf8(text);
}

// QString -> Shift-JIS.
inline std::string sjs(const QString& text) {
  return sj(text.toStdString());
}

}  // namespace rv::gui
