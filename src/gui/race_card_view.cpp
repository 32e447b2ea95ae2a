#include "gui/race_card_view.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "gui/qt_text.h"
#include "model/card_sort.h"

namespace rv::gui {
namespace {

GridView* bound_grid(Grid& grid, const char* name, Binder& binder, GridHandler handler) {
  auto* v = new GridView(grid);
  v->setObjectName(name);
  binder.grid(v, std::move(handler));
  return v;
}

// A pop-up menu on the grid; `fill` adds its items when it opens, so captions that follow the
// last press (the horse's name) are current.
void popup(GridView* view, std::function<void(QMenu&)> fill) {
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view, &QWidget::customContextMenuRequested, view,
                   [view, fill = std::move(fill)](const QPoint& at) {
                     QMenu menu(view);
                     fill(menu);
                     menu.exec(view->viewport()->mapToGlobal(at));
                   });
}

void menu_item(QMenu& menu, Binder& binder, const QString& caption, const Handler& handler) {
  QAction* a = menu.addAction(caption);
  a->setEnabled(static_cast<bool>(handler));
  if (handler)
    QObject::connect(a, &QAction::triggered, &binder, [&binder, handler] { binder.run(handler); });
}

}  // namespace

QWidget* EntryCardPage(MainForm& form, Binder& binder) {
  auto* page = new QWidget;
  auto* col = new QVBoxLayout(page);
  col->setContentsMargins(0, 0, 0, 0);
  col->setSpacing(2);
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  std::vector<QAbstractButton*> buttons;
  for (int i = 0; i < kCardSortCount; ++i) {
    const auto which = static_cast<CardSort>(i);
    auto* b = new QPushButton(qs(CardSortCaption(which)), page);
    b->setObjectName(CardSortButtonOf(which).name);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    // The row shares what width there is rather than holding the window wide.
    b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    row->addWidget(b, 1);
    buttons.push_back(b);
  }
  binder.radio(buttons, form.card.SortButtons, [&form] { form.SpeedButton14Click(); });
  auto* copy = new QPushButton(QString::fromUtf8("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"), page);
  copy->setObjectName("ClipBtn1");
  binder.command(copy, [&form] { form.ClipBtn1Click(); });
  row->addWidget(copy);
  col->addLayout(row);

  GridView* grid = bound_grid(form.card.StringGrid26, "StringGrid26", binder,
                              [&form](GridEvent ev, int r, int c, MouseButton) {
                                if (ev == GridEvent::kPress) form.StringGrid26MouseDown(r, c);
                              });
  grid->set_cursor_rule([](int, int col) { return IsEntryCardSortColumn(col); });
  popup(grid, [&form, &binder](QMenu& menu) {
    menu_item(menu, binder, QString::fromUtf8("クリップボードへコピー"),
              [&form] { form.Clip1Click(); });
  });
  col->addWidget(grid, 1);
  return page;
}

GridView* ResultsCardView(MainForm& form, Binder& binder) {
  GridView* grid = bound_grid(form.card.StringGrid6, "StringGrid6", binder,
                              [&form](GridEvent ev, int r, int, MouseButton) {
                                if (ev == GridEvent::kPress) form.StringGrid6MouseDown(r);
                                if (ev == GridEvent::kRelease) form.StringGrid6MouseUp();
                              });
  popup(grid, [&form, &binder](QMenu& menu) {
    const RaceCardControls& c = form.card;
    menu_item(menu, binder, qs(c.R1.text()), [&form] { form.R1Click(); });
    menu.addSeparator();
    for (const Label* info : {&c.HorseInfoItem, &c.JockeyInfoItem, &c.TrainerInfoItem}) {
      menu_item(menu, binder, qs(info->text()), {});
    }
  });
  return grid;
}

GridView* JikuHimoTableView(MainForm& form, Binder& binder) {
  GridView* grid = bound_grid(form.card.StringGrid4, "StringGrid4", binder, {});
  popup(grid, [&form, &binder](QMenu& menu) {
    menu_item(menu, binder, QString::fromUtf8("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ"), [&form] { form.N6Click(); });
  });
  return grid;
}

}  // namespace rv::gui
