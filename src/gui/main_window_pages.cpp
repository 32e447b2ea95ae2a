// The window's body: the race list on the left and the tab area on the right. Each grid is
// added on one line with the handler its clicks go to (none yet where the behaviour comes
// later).

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/main_window.h"
#include "gui/qt_text.h"

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

void TMainForm::build_pages() {
  MainLayout& l = form_.layout;
  MainGrids& g = form_.grids;
  const auto tab = [this](QTabWidget* tabs, QWidget* w, Panel& sheet, const char* name,
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
  race_panel->setMinimumWidth(120);
  binder_.list(dat_list_, l.DatList, {});
  binder_.control(race_panel, l.RaceListPanel);
  split->addWidget(race_panel);

  // Right: the race header above the tab area.
  QWidget* right = page("RightPanel");
  QVBoxLayout* right_col = column(right);
  auto* panel8 = new QFrame(right);
  panel8->setObjectName("Panel8");
  panel8->setFrameShape(QFrame::StyledPanel);
  column(panel8, 4);
  binder_.control(panel8, l.Panel8);
  right_col->addWidget(panel8);

  page_control1_ = new QTabWidget(right);
  page_control1_->setObjectName("PageControl1");
  binder_.control(page_control1_, l.PageControl1);
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
  binder_.control(page_control3, l.PageControl3);
  tab(page_control1_, kaime, l.KaimeSheet, "KaimeSheet", "買い目");

  // "出走馬確認": runners above the bet tables.
  auto* runners = new QSplitter(Qt::Vertical);
  runners->setChildrenCollapsible(false);
  runners->addWidget(grid(g.StringGrid8, "StringGrid8"));
  auto* page_control4 = new QTabWidget;
  page_control4->setObjectName("PageControl4");
  runners->addWidget(page_control4);
  runners->setStretchFactor(1, 1);
  tab(page_control3, runners, l.RunnersSheet, "RunnersSheet", "出走馬確認");

  struct BetPage {
    const char* sheet;
    const char* caption;
    const char* grid;
  };
  constexpr BetPage kBetPages[MainLayout::kBetTypes] = {
      {"TabSheet14", "単勝", "StringGrid3"},    {"TabSheet36", "複勝", "StringGrid5"},
      {"TabSheet37", "枠連", "StringGrid28"},   {"TabSheet38", "馬連", "StringGrid30"},
      {"TabSheet39", "ワイド", "StringGrid31"}, {"TabSheet40", "馬単", "StringGrid32"},
      {"TabSheet41", "三連複", "StringGrid33"}, {"TabSheet42", "三連単", "StringGrid34"},
  };
  for (int i = 0; i < MainLayout::kBetTypes; ++i) {
    const BetPage& b = kBetPages[i];
    tab(page_control4, grid_page(g.bet_table(i), b.grid), l.bet_sheet(i), b.sheet, b.caption);
  }

  tab(page_control3, grid_page(g.StringGrid4, "StringGrid4"), l.JikuHimoSheet, "JikuHimoSheet",
      "軸ヒモ確認表");
  tab(page_control3, page(""), l.SankoKaimeSheet, "SankoKaimeSheet", "参考買い目");

  // "金のなる木プレビュー": the 枠連 workbench; its labels and groups sit beside the table.
  QWidget* preview = page("");
  auto* preview_row = new QHBoxLayout(preview);
  preview_row->setContentsMargins(0, 0, 0, 0);
  GridView* grid2 = grid(g.StringGrid2, "StringGrid2");
  grid2->setMaximumWidth(240);
  preview_row->addWidget(grid2);
  preview_row->addWidget(page("PreviewPanel"), 1);
  tab(page_control1_, preview, l.PreviewSheet, "PreviewSheet", "金のなる木プレビュー");

  tab(page_control1_, grid_page(g.StringGrid26, "StringGrid26"), l.ShutubaSheet, "ShutubaSheet",
      "出馬表");
  tab(page_control1_, grid_page(g.StringGrid6, "StringGrid6"), l.ShutubaListSheet,
      "ShutubaListSheet", "出馬表(一覧)");

  // "結果": the payout groups above the 馬連 and 馬単 results.
  QWidget* kekka = page("");
  QVBoxLayout* kekka_col = column(kekka, 4);
  auto* hit_row = new QHBoxLayout;
  const auto hit_button = [&](Command& c, const char* name) {
    auto* b = new QPushButton(kekka);
    b->setObjectName(name);
    binder_.command(b, c, {});
    hit_row->addWidget(b);
  };
  hit_button(form_.hits.TekiAnaBtn, "TekiAnaBtn");
  hit_button(form_.hits.TekiAnaBtn2, "TekiAnaBtn2");
  hit_row->addStretch(1);
  kekka_col->addLayout(hit_row);
  kekka_col->addWidget(page("KekkaPanel"), 1);
  kekka_col->addWidget(grid(g.StringGrid27, "StringGrid27"), 1);
  tab(page_control1_, kekka, l.KekkaSheet, "KekkaSheet", "結果");
}

}  // namespace rv::gui
