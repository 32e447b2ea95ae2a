// The window's body: the race list on the left; on the right the race header above the tab
// area. Each grid is added on one line with the handler its clicks go to (none yet where the
// behaviour comes later).

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "betting/bet_marks.h"
#include "gui/allocation_view.h"
#include "gui/bet_tables_view.h"
#include "gui/main_window.h"
#include "gui/preview_view.h"
#include "gui/qt_text.h"
#include "gui/race_card_view.h"
#include "gui/results_tab_view.h"

namespace rv::gui {
namespace {

QWidget* page(const char* name) {
  auto* w = new QWidget;
  w->setObjectName(name);
  return w;
}

QVBoxLayout* column(QWidget* w, int margin = 0) {
  auto* l = new QVBoxLayout(w);
  l->setContentsMargins(margin, margin, margin, margin);
  l->setSpacing(4);
  return l;
}

// A tab page that holds one view filling it.
QWidget* wrap(QWidget* view) {
  QWidget* p = page("");
  column(p)->addWidget(view);
  return p;
}

}  // namespace

GridView* TMainForm::grid(Grid& grid, const char* name, GridHandler handler) {
  auto* v = new GridView(grid);
  v->setObjectName(name);
  binder_.grid(v, std::move(handler));
  return v;
}

// A tab page that holds one grid filling it.
QWidget* TMainForm::grid_page(Grid& g, const char* name, GridHandler handler) {
  QWidget* p = page("");
  column(p)->addWidget(grid(g, name, std::move(handler)));
  return p;
}

// Panel8: the race header. Panel3 carries the turf or dirt colour behind the first lines.
QWidget* TMainForm::race_header() {
  RaceCardControls& c = form_.card;
  auto* panel8 = new QFrame;
  panel8->setObjectName("Panel8");
  panel8->setFrameShape(QFrame::StyledPanel);
  QVBoxLayout* col = column(panel8, 2);
  col->setSpacing(1);
  auto* panel3 = new QFrame(panel8);
  panel3->setObjectName("Panel3");
  binder_.panel(panel3, c.Panel3);
  QVBoxLayout* top = column(panel3, 4);
  top->setSpacing(1);
  QFont bold = panel8->font();
  bold.setBold(true);
  const auto line = [&](QWidget* parent, QVBoxLayout* into, Label& l, const char* name,
                        const QFont& font) {
    auto* w = new QLabel(parent);
    w->setObjectName(name);
    w->setFont(font);
    binder_.label(w, l);
    into->addWidget(w);
  };
  line(panel3, top, c.Label1, "Label1", bold);
  line(panel3, top, c.Label2, "Label2", bold);
  // White reads on both the turf green and the dirt maroon.
  for (auto* l : panel3->findChildren<QLabel*>()) l->setStyleSheet("color: white;");
  col->addWidget(panel3);
  line(panel8, col, c.Label3, "Label3", panel8->font());
  line(panel8, col, c.Label4, "Label4", panel8->font());
  line(panel8, col, c.Label6, "Label6", panel8->font());
  line(panel8, col, c.Label7, "Label7", panel8->font());
  binder_.control(panel8, form_.day.Panel8);
  return panel8;
}

void TMainForm::build_pages() {
  MainLayout& l = form_.layout;
  RaceCardControls& card = form_.card;
  const auto tab = [this](QTabWidget* tabs, QWidget* w, Control& sheet, const char* name,
                          const char* caption) {
    w->setObjectName(name);
    tabs->addTab(w, QString::fromUtf8(caption));
    binder_.tab(tabs, w, sheet);
  };

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName("MainSplitter");
  split->setChildrenCollapsible(false);

  // Left: the race list.
  QWidget* race_panel = page("RaceListPanel");
  dat_list_ = new QListWidget(race_panel);
  dat_list_->setObjectName("DatList");
  column(race_panel)->addWidget(dat_list_);
  binder_.list(dat_list_, form_.loaded_day.DatList, [this] { form_.DatListClick(); });
  race_panel->setMinimumWidth(120);
  binder_.control(race_panel, l.RaceListPanel);
  split->addWidget(race_panel);

  // Right: the race header above the tab area.
  QWidget* right = page("RightPanel");
  QVBoxLayout* right_col = column(right);
  right_col->addWidget(race_header());
  page_control1_ = new QTabWidget(right);
  page_control1_->setObjectName("PageControl1");
  binder_.control(page_control1_, form_.day.PageControl1);
  right_col->addWidget(page_control1_, 1);
  split->addWidget(right);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setSizes({170, 730});
  setCentralWidget(split);

  // "買い目": the bet page's own tabs.
  QWidget* kaime = page("");
  auto* page_control3 = new QTabWidget(kaime);
  page_control3->setObjectName("PageControl3");
  column(kaime)->addWidget(page_control3);
  binder_.control(page_control3, form_.day.PageControl3);
  tab(page_control1_, kaime, l.KaimeSheet, "KaimeSheet", "買い目");

  // "出走馬確認": the runners with their marks above the bet tables.
  auto* runners = new QSplitter(Qt::Vertical);
  runners->setChildrenCollapsible(false);
  GridView* grid8 = grid(card.StringGrid8, "StringGrid8",
                         [this](GridEvent ev, int row, int col, MouseButton button) {
                           if (ev == GridEvent::kPress && button == MouseButton::kLeft) {
                             form_.StringGrid8MouseDown(row, col);
                           }
                         });
  grid8->set_cursor_rule(&StringGrid8HandCursor);
  runners->addWidget(grid8);
  auto* bets = new BetTablesView(form_.bets, binder_);
  bets->add_below_totals(allocation_box(form_, binder_));
  runners->addWidget(bets);
  runners->setStretchFactor(1, 1);
  runners->setSizes({200, 300});
  for (const BetType t : kBetTypes) {
    binder_.tab(bets->page_control(), bets->grid_view(t), l.bet_sheet(bet_index(t)));
  }
  tab(page_control3, runners, l.RunnersSheet, "RunnersSheet", "出走馬確認");
  tab(page_control3, wrap(JikuHimoTableView(form_, binder_)), l.JikuHimoSheet, "JikuHimoSheet",
      "軸ヒモ確認表");
  tab(page_control3, page(""), l.SankoKaimeSheet, "SankoKaimeSheet", "参考買い目");

  // "金のなる木プレビュー": the 枠連 workbench; its labels and groups sit beside the table and
  // scroll rather than widen the window.
  auto* preview = new QScrollArea;
  preview->setWidgetResizable(true);
  preview->setFrameShape(QFrame::NoFrame);
  preview->setWidget(PreviewPage(form_, binder_));
  tab(page_control1_, preview, l.PreviewSheet, "PreviewSheet", "金のなる木プレビュー");

  tab(page_control1_, EntryCardPage(form_, binder_), l.ShutubaSheet, "ShutubaSheet", "出馬表");
  tab(page_control1_, wrap(ResultsCardView(form_, binder_)), l.ShutubaListSheet, "ShutubaListSheet",
      "出馬表(一覧)");

  // "結果": the hit-list tools, the payouts, the 馬連 and 馬単 results.
  QWidget* kekka = page("");
  QVBoxLayout* kekka_col = column(kekka, 4);
  auto* hit_row = new QHBoxLayout;
  const auto hit_button = [&](Command& c, const char* name, Handler handler) {
    auto* b = new QPushButton(kekka);
    b->setObjectName(name);
    binder_.command(b, c, std::move(handler));
    hit_row->addWidget(b);
  };
  hit_button(form_.hits.TekiAnaBtn, "TekiAnaBtn", [this] { form_.TekiAnaBtnClick(false); });
  hit_button(form_.hits.TekiAnaBtn2, "TekiAnaBtn2", [this] { form_.TekiAnaBtnClick(true); });
  hit_button(form_.evaluation.ShukeiBtn, "ShukeiBtn", [this] { form_.ShukeiBtnClick(); });
  hit_row->addStretch(1);
  kekka_col->addLayout(hit_row);
  // The payouts scroll rather than widen the window: seven ワイド columns take room.
  auto* payouts = new QScrollArea(kekka);
  payouts->setWidgetResizable(true);
  payouts->setFrameShape(QFrame::NoFrame);
  payouts->setWidget(new ResultsTabView(card.results, binder_));
  kekka_col->addWidget(payouts, 1);
  GridView* grid27 = grid(form_.grids.StringGrid27, "StringGrid27");
  grid27->setMaximumHeight(grid27->horizontalHeader()->sizeHint().height() +
                           grid27->verticalHeader()->defaultSectionSize() * 2 +
                           2 * grid27->frameWidth());
  kekka_col->addWidget(grid27);
  tab(page_control1_, kekka, l.KekkaSheet, "KekkaSheet", "結果");
}

}  // namespace rv::gui
