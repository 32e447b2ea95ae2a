#include "gui/window_choice.h"

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

#include "acquire/day_files.h"
#include "gui/qt_text.h"

namespace rv::gui {

bool choose_day(QWidget& window, const QString& day) {
  auto* combo = window.findChild<QComboBox*>("DateCombo");
  if (combo == nullptr) return false;
  const auto from_digits = DayNameOfDate(day.toStdString());
  const int i = combo->findText(from_digits ? qs(*from_digits) : day);
  if (i < 0) return false;
  combo->setCurrentIndex(i);
  emit combo->activated(i);
  return true;
}

bool choose_race(QWidget& window, int slot) {
  auto* list = window.findChild<QListWidget*>("DatList");
  if (list == nullptr || slot < 0 || slot >= list->count()) return false;
  list->setCurrentRow(slot);
  return true;
}

bool press_button(QWidget& window, const QString& caption) {
  for (QPushButton* b : window.findChildren<QPushButton*>()) {
    if (b->text().remove('&') != caption || !b->isEnabled()) continue;
    b->click();
    return true;
  }
  // A menu command by its caption, for the windows only a menu opens.
  for (QAction* a : window.findChildren<QAction*>()) {
    if (a->text().remove('&') != caption || !a->isEnabled() || a->menu() != nullptr) continue;
    a->trigger();
    return true;
  }
  return false;
}

bool choose_tab(QWidget& window, const QString& caption) {
  bool found = false;
  for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
    for (int i = 0; i < tabs->count(); ++i) {
      if (tabs->tabText(i).remove('&') != caption) continue;
      found = true;
      // A tab page sits in its tab widget's stack: bring forward each page on the way up.
      for (QWidget* w = tabs; w != nullptr && w != &window; w = w->parentWidget()) {
        QWidget* stack = w->parentWidget();
        auto* outer = stack == nullptr ? nullptr : qobject_cast<QTabWidget*>(stack->parentWidget());
        if (outer != nullptr && outer->indexOf(w) >= 0) outer->setCurrentWidget(w);
      }
      tabs->setCurrentIndex(i);
    }
  }
  return found;
}

}  // namespace rv::gui
