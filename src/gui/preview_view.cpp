#include "gui/preview_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QVBoxLayout>

#include "gui/allocation_view.h"
#include "gui/grid_view.h"
#include "gui/qt_text.h"

namespace rv::gui {
namespace {

QLabel* value_label(Label& label, const QString& name, Binder& binder, QWidget* parent,
                    int chars = 8) {
  auto* w = new QLabel(parent);
  w->setObjectName(name);
  w->setFrameShape(QFrame::Panel);
  w->setFrameShadow(QFrame::Sunken);
  w->setMinimumWidth(w->fontMetrics().horizontalAdvance('0') * chars + 8);
  w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  binder.label(w, label);
  return w;
}

// A threshold's box: odds bounds with one decimal, yen and rates as whole numbers.
QLineEdit* setting_box(MainForm& form, Binder& binder, int i, QWidget* parent) {
  SignalSetting& s = form.preview.settings[static_cast<std::size_t>(i)];
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString("%1Edit").arg(s.key));
  const bool odds = i < 6;
  box->setValidator(new QRegularExpressionValidator(
      QRegularExpression(odds ? "\\d{0,3}(\\.\\d?)?" : "\\d{0,5}"), box));
  box->setAlignment(Qt::AlignRight);
  box->setFixedWidth(box->fontMetrics().horizontalAdvance('0') * 5 + 10);
  binder.edit(box, s.edit, [&form, i] { form.SignalSettingChange(i); });
  return box;
}

QPushButton* button(Command& c, const char* name, Binder& binder, Handler h, QWidget* parent) {
  auto* b = new QPushButton(parent);
  b->setObjectName(name);
  binder.command(b, c, std::move(h));
  return b;
}

QWidget* popularity_group(MainForm& form, Binder& binder, QWidget* parent) {
  PreviewControls& p = form.preview;
  auto* box = new QGroupBox(u8("人気"), parent);
  auto* g = new QGridLayout(box);
  g->setVerticalSpacing(1);
  g->setHorizontalSpacing(4);
  for (int i = 0; i < 10; ++i) {
    g->addWidget(new QLabel(qs(WakuNinkiCaption(i)), box), i, 0);
    g->addWidget(value_label(p.WakuNinkiLabels[static_cast<std::size_t>(i)],
                             QString("WakuNinkiLabel%1").arg(i + 1), binder, box, 10),
                 i, 1);
  }
  for (int i = 0; i < 8; ++i) {
    g->addWidget(new QLabel(qs(TanNinkiCaption(i)), box), i + 10, 0);
    g->addWidget(value_label(p.TanNinkiLabels[static_cast<std::size_t>(i)],
                             QString("TanNinkiLabel%1").arg(i + 3), binder, box, 10),
                 i + 10, 1);
  }
  return box;
}

QWidget* signal_group(MainForm& form, Binder& binder, QWidget* parent) {
  PreviewControls& p = form.preview;
  auto* box = new QGroupBox(u8("ユーザー設定フィルタリングシグナル"), parent);
  auto* g = new QGridLayout(box);
  g->setVerticalSpacing(3);
  g->setHorizontalSpacing(4);
  int row = 0;
  const auto line = [&](const char* caption, Label& label, const char* name) {
    g->addWidget(new QLabel(u8(caption), box), row, 0);
    g->addWidget(value_label(label, name, binder, box, 6), row, 1);
  };
  const auto range = [&](int lo) {
    g->addWidget(setting_box(form, binder, lo, box), row, 2);
    g->addWidget(new QLabel(u8("～"), box), row, 3);
    g->addWidget(setting_box(form, binder, lo + 1, box), row, 4);
    g->addWidget(new QLabel(u8("倍"), box), row, 5);
  };
  const auto bound = [&](int i, const char* unit) {
    g->addWidget(setting_box(form, binder, i, box), row, 2);
    g->addWidget(new QLabel(u8(unit), box), row, 3, 1, 3);
  };
  line("枠連平均配当", p.WakuAveLabel, "WakuAveLabel");
  bound(6, "円以下");
  ++row;
  line("単勝1位人気", form.card.Tan1Label, "Tan1Label");
  range(0);
  ++row;
  line("単勝2位人気", p.Tan2Label, "Tan2Label");
  range(2);
  ++row;
  line("単勝7位人気", p.Tan7Label, "Tan7Label");
  range(4);
  ++row;
  line("枠連対率計1～3位", p.Rentai1_3Label, "Rentai1_3Label");
  bound(7, "以上");
  ++row;
  line("枠連対率差3-4位", p.RentaiSa3_4Label, "RentaiSa3_4Label");
  bound(8, "以上");
  ++row;
  line("見送り", p.KenLabel, "KenLabel");
  ++row;
  // Not shown: the deviation of the win rates, read by the verification reports.
  QLabel* hensa = value_label(p.HensaLabel, "HensaLabel", binder, box);
  g->addWidget(hensa, row, 1);
  return box;
}

QWidget* pattern_group(MainForm& form, Binder& binder, QWidget* parent) {
  PreviewControls& p = form.preview;
  auto* box = new QWidget(parent);
  auto* g = new QGridLayout(box);
  g->setContentsMargins(0, 0, 0, 0);
  g->addWidget(new QLabel(u8("推奨パターン"), box), 0, 0);
  QLabel* kai = value_label(p.KaiPaternLabel, "KaiPaternLabel", binder, box, 22);
  kai->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  g->addWidget(kai, 0, 1);
  g->addWidget(new QLabel(u8("2点パターン"), box), 1, 0);
  QLabel* two = value_label(p.kinto2tenLabel, "kinto2tenLabel", binder, box, 22);
  two->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  g->addWidget(two, 1, 1);
  g->setColumnStretch(2, 1);
  return box;
}

}  // namespace

QWidget* PreviewPage(MainForm& form, Binder& binder, QWidget* parent) {
  auto* page = new QWidget(parent);
  auto* row = new QHBoxLayout(page);
  row->setContentsMargins(4, 4, 4, 4);
  row->setSpacing(4);

  // Left: the commands above the odds table, which is as wide as its columns.
  auto* left = new QVBoxLayout;
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(button(
      form.preview.KaimeMakeBtn_Old, "KaimeMakeBtn_Old", binder,
      [&form] { form.KaimeMakeBtn_OldClick(); }, page));
  buttons->addWidget(button(
      form.preview.LossMemoBtn, "LossMemoBtn", binder, [&form] { form.LossMemoBtnClick(); }, page));
  buttons->addWidget(button(
      form.evaluation.Kensho13Btn, "Kensho13Btn", binder, [&form] { form.Kensho13BtnClick(); },
      page));
  buttons->addWidget(button(
      form.evaluation.Kensho34Btn, "Kensho34Btn", binder, [&form] { form.Kensho34BtnClick(); },
      page));
  left->addLayout(buttons);
  left->addWidget(new QLabel(u8("人気順オッズ表"), page));
  auto* grid2 = new GridView(form.preview.StringGrid2);
  grid2->setObjectName("StringGrid2");
  binder.grid(grid2, [&form](GridEvent ev, int r, int c, MouseButton b) {
    if (ev == GridEvent::kPress && b == MouseButton::kLeft) form.StringGrid2MouseDown(r, c);
  });
  grid2->set_cursor_rule(&BracketPreview::StringGrid2HandCursor);
  grid2->setFixedWidth(grid2->horizontalHeader()->length() +
                       grid2->verticalScrollBar()->sizeHint().width() + 2 * grid2->frameWidth());
  left->addWidget(grid2, 1);
  row->addLayout(left);

  // Middle: the signals with their thresholds, the patterns, 追い上げ.
  auto* middle = new QVBoxLayout;
  middle->addWidget(signal_group(form, binder, page));
  middle->addWidget(pattern_group(form, binder, page));
  middle->addWidget(oiage_group(form, binder, page), 0, Qt::AlignLeft);
  middle->addStretch(1);
  row->addLayout(middle);

  // Right: the popularity labels.
  auto* right = new QVBoxLayout;
  right->addWidget(popularity_group(form, binder, page));
  right->addStretch(1);
  row->addLayout(right);
  row->addStretch(1);
  return page;
}

}  // namespace rv::gui
