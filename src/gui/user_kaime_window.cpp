#include "gui/user_kaime_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "gui/tool_window.h"

namespace rv::gui {
UserKaimeWindow::UserKaimeWindow(TUserKaimeForm& form, Binder& binder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), form_(form), binder_(binder) {
  setObjectName("UserKaimeForm");
  setWindowTitle(qs(TUserKaimeForm::Caption()));

  popup_ = new QMenu(this);
  binder.command(popup_->addAction(u8("全選択")), [&form] { form.SelectAllItemClick(); });
  binder.command(popup_->addAction(u8("全クリア")), [&form] { form.ClearAllItemClick(); });

  // A range of whole odds: low ～ high 倍.
  const auto range = [&](int low, int high) {
    auto* row = new QWidget(this);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 0, 0, 0);
    for (const int n : {low, high}) {
      auto* box = new QSpinBox(row);
      box->setObjectName(QString("SpinEdit%1").arg(n));
      box->setAccelerated(true);
      box->setMinimumWidth(90);
      binder.spin(box, form.spin(n));
      h->addWidget(box);
      h->addWidget(new QLabel(n == low ? u8("～") : u8("倍"), row));
    }
    h->addStretch(1);
    return row;
  };
  const auto combo = [&](ListControl& list, const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    binder.list(box, list);
    return box;
  };
  const auto check = [&](Toggle& toggle, const char* name) {
    auto* box = new QCheckBox(this);
    box->setObjectName(name);
    binder.toggle(box, toggle);
    return box;
  };

  // One column per horse group: its check lists, its odds range, its choice and exclusion.
  const auto group = [&](const char* title, RankList mining, const char* mining_name, int odds_spin,
                         ListControl& nin, const char* nin_name, Toggle& ex, const char* ex_name,
                         int ninki_list, const char* ninki_name, int ninki_spin) {
    auto* box = new QGroupBox(u8(title), this);
    auto* g = new QGridLayout(box);
    g->addWidget(new QLabel(u8("マイニング順位"), box), 0, 0);
    g->addWidget(make_rank_list(mining, mining_name), 1, 0);
    if (ninki_list >= 0) {
      g->addWidget(new QLabel(u8("単勝人気順位"), box), 0, 1);
      g->addWidget(make_rank_list(static_cast<RankList>(ninki_list), ninki_name), 1, 1);
    }
    g->addWidget(new QLabel(u8("単勝オッズ（マイニング順位）"), box), 2, 0, 1, 2);
    g->addWidget(range(odds_spin, odds_spin + 1), 3, 0, 1, 2);
    if (ninki_list >= 0) {
      g->addWidget(new QLabel(u8("単勝オッズ（単勝人気順位）"), box), 4, 0, 1, 2);
      g->addWidget(range(ninki_spin, ninki_spin + 1), 5, 0, 1, 2);
    }
    g->addWidget(new QLabel(u8("候補の絞り込み"), box), 6, 0, 1, 2);
    g->addWidget(combo(nin, nin_name), 7, 0, 1, 2);
    QCheckBox* c = check(ex, ex_name);
    c->setStyleSheet("QCheckBox { spacing: 4px; }");
    g->addWidget(c, 8, 0, 1, 2);
    g->setRowStretch(1, 1);
    return box;
  };

  auto* groups = new QHBoxLayout;
  groups->addWidget(group("軸馬", RankList::kJiku, "JikuCheckListBox1", 1, form.NinCombo1,
                          "NinCombo1", form.CheckBox1, "CheckBox1", -1, "", 0));
  groups->addWidget(group("ヒモ1", RankList::kHimoM1, "HimoCheckListBoxM1", 3, form.NinCombo2,
                          "NinCombo2", form.CheckBox2, "CheckBox2",
                          static_cast<int>(RankList::kHimoN1), "HimoCheckListBoxN1", 7));
  groups->addWidget(group("ヒモ2", RankList::kHimoM2, "HimoCheckListBoxM2", 5, form.NinCombo3,
                          "NinCombo3", form.CheckBox3, "CheckBox3",
                          static_cast<int>(RankList::kHimoN2), "HimoCheckListBoxN2", 9));

  auto* filters = new QGroupBox(u8("買い目オッズ"), this);
  auto* fg = new QGridLayout(filters);
  const char* kinds[] = {"複勝", "馬連", "ワイド", "馬単", "３連複", "３連単"};
  for (int k = 0; k < 6; ++k) {
    fg->addWidget(new QLabel(u8(kinds[k]), filters), k, 0);
    fg->addWidget(range(11 + 2 * k, 12 + 2 * k), k, 1);
  }
  fg->setRowStretch(6, 1);
  groups->addWidget(filters);

  // The set list and its commands.
  auto* sets = new QHBoxLayout;
  auto* set_label = new QLabel(u8("設定(&S)"), this);
  auto* set_combo = new QComboBox(this);
  set_combo->setObjectName("SetCombo");
  set_combo->setMinimumWidth(200);
  set_label->setBuddy(set_combo);
  binder.list(set_combo, form.SetCombo, [&form] { form.SetComboChange(); });
  auto* name_label = new QLabel(u8("設定名(&N)"), this);
  auto* name_edit = new QLineEdit(this);
  name_edit->setObjectName("Edit1");
  name_edit->setMinimumWidth(180);
  name_label->setBuddy(name_edit);
  binder.edit(name_edit, form.Edit1);
  auto* add = new QPushButton(u8("追加"), this);
  add->setObjectName("AddBtn");
  binder.command(add, [&form] { form.AddBtnClick(); });
  auto* del = new QPushButton(u8("削除"), this);
  del->setObjectName("DelBtn");
  binder.command(del, [&form] { form.DelBtnClick(); });
  sets->addWidget(set_label);
  sets->addWidget(set_combo);
  sets->addSpacing(16);
  sets->addWidget(name_label);
  sets->addWidget(name_edit);
  sets->addWidget(add);
  sets->addWidget(del);
  sets->addStretch(1);

  auto* top = new QVBoxLayout(this);
  top->addLayout(groups, 1);
  top->addLayout(sets);

  binder.control(this, form.Form);
  // Escape closes the window, as it closes a dialog.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

QWidget* UserKaimeWindow::make_rank_list(RankList l, const char* name) {
  auto* view = new QListWidget(this);
  view->setObjectName(name);
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  view->setUniformItemSizes(true);
  view->setMinimumWidth(72);
  view->setMinimumHeight(18 * 20);
  CheckListBox& list = form_.rank_list(l);
  binder_.check_list(view, list, [this, &list] { form_.CheckListMouseDown(list); });
  // The menu key opens the pop-up on the list that has the focus, which counts as pressed.
  connect(view, &QListWidget::customContextMenuRequested, this,
          [this, view, &list](const QPoint& pos) {
            binder_.run([this, &list] { form_.CheckListMouseDown(list); });
            popup_->popup(view->viewport()->mapToGlobal(pos));
          });
  lists_[static_cast<std::size_t>(l)] = view;
  return view;
}

void UserKaimeWindow::closeEvent(QCloseEvent* event) {
  ToolWindowClosed(binder_, form_);
  QWidget::closeEvent(event);
}

void UserKaimeWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  ToolWindowChanged(*this, binder_, form_, *event);
}

}  // namespace rv::gui
