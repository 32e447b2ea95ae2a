// Choosing what the main window shows through its own controls, as a person would: a day in
// the date box, a race in the race list, a tab by its caption. The program's start options
// and the widget tests use them. Each returns false when the window has no such thing.
#pragma once

#include <QString>
#include <QWidget>

namespace rv::gui {

// DAY as yyyymmdd or as the date box shows it ("2026年12月06日").
bool choose_day(QWidget& window, const QString& day);
bool choose_race(QWidget& window, int slot);
// Brings forward every tab captioned `caption`, and the pages that hold it.
bool choose_tab(QWidget& window, const QString& caption);
// Clicks the enabled push button captioned `caption` (its accelerator mark ignored), or
// failing one triggers the enabled menu command of that caption.
bool press_button(QWidget& window, const QString& caption);

}  // namespace rv::gui
