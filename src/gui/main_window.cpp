#include "gui/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <optional>

#include "gui/get_data_window.h"
#include "gui/loss_reg_window.h"
#include "gui/qt_text.h"
#include "gui/user_kaime_window.h"
#include "gui/version_form.h"
#include "gui/vrh_windows.h"
#include "support/clock.h"

namespace rv::gui {
namespace {

constexpr int kMinWidth = 200;
constexpr int kMinHeight = 150;
const QRect kDefaultBounds(10, 10, 900, 600);

}  // namespace

QRect fit_to_screens(QRect wanted, const QList<QRect>& screens) {
  if (wanted.width() < kMinWidth) wanted.setWidth(kDefaultBounds.width());
  if (wanted.height() < kMinHeight) wanted.setHeight(kDefaultBounds.height());
  if (screens.isEmpty()) return wanted;
  for (const QRect& s : screens) {
    if (s.intersects(wanted)) return wanted;
  }
  wanted.moveTopLeft(kDefaultBounds.topLeft());
  return wanted;
}

TMainForm::TMainForm(MainForm& form, QWidget* parent)
    : QMainWindow(parent), form_(form), binder_(form.dialogs(), this) {
  setObjectName("MainForm");
  setWindowTitle(QString::fromUtf8("ラベリン"));
  build_menus();
  build_tool_bar();
  build_pages();
  build_print_menu();

  status_line_ = new QLabel(this);
  status_line_->setObjectName("StatusLine");
  statusBar()->addWidget(status_line_, 1);
  binder_.label(status_line_, form_.StatusLine);
  build_batch_panel();

  set_tab_order();
  binder_.run([this] { form_.FormCreate(); });
  // The secondary windows live as long as this one and show when their forms say so.
  new UserKaimeWindow(form_.UserKaimeForm, binder_, this);
  new LossRegWindow(form_.LossRegForm(), binder_, this);
  mail_set_ = new MailSetWindow(form_.MailSetForm, form_.MailLog, binder_, this);
  new VrhLogWindow(form_.development().VRHLogForm, binder_, this);
  apply_bounds();
  binder_.start_refresh_timer();
  start_clock_timers();
}

// An all-days run shows its day and a cancel button in the status bar, which keeps painting
// while the rest of the window does not: the races it replays are not for watching.
void TMainForm::build_batch_panel() {
  BatchControls& b = form_.batch;
  auto* panel = new QWidget(this);
  panel->setObjectName("BatchPanel");
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel(panel);
  label->setObjectName("BatchLabel");
  binder_.label(label, b.BatchLabel);
  row->addWidget(label);
  auto* bar = new QProgressBar(panel);
  bar->setObjectName("BatchBar");
  bar->setMinimumWidth(160);
  binder_.progress(bar, b.BatchBar);
  row->addWidget(bar);
  auto* cancel = new QPushButton(panel);
  cancel->setObjectName("BatchCancelBtn");
  binder_.command(cancel, b.BatchCancelBtn, [this] { form_.BatchCancelBtnClick(); });
  row->addWidget(cancel);
  binder_.control(panel, b.BatchPanel);
  statusBar()->addPermanentWidget(panel);
  form_.evaluation_runs().on_walk = [this](bool running) { freeze_for_walk(running); };
}

// The races a walk replays are not for watching: the window's body stays as it was, a
// picture of it over the body, which stops repainting; the menus and tool bars take no
// command meanwhile (another day chosen would pull the day from under the walk).
void TMainForm::freeze_for_walk(bool running) {
  QWidget* body = centralWidget();
  if (running && frozen_ == nullptr) {
    frozen_ = new QLabel(this);
    frozen_->setObjectName("FrozenBody");
    frozen_->setPixmap(body->grab());
    frozen_->setGeometry(body->geometry());
    frozen_->show();
    frozen_->raise();
  } else if (!running && frozen_ != nullptr) {
    delete frozen_;
    frozen_ = nullptr;
  }
  body->setUpdatesEnabled(!running);
  menuBar()->setEnabled(!running);
  for (QToolBar* bar : findChildren<QToolBar*>()) bar->setEnabled(!running);
}

// The race-day timers count on the app clock, which may run faster than the machine's: a
// frequent look keeps every tick within a few hundredths of a second of its time, and a look
// that finds nothing due costs next to nothing.
void TMainForm::start_clock_timers() {
  auto* poll = new QTimer(this);
  poll->setObjectName("ClockTimers");
  connect(poll, &QTimer::timeout, this, [this] {
    const std::optional<long long> next = form_.timers().next_due_ms();
    if (next && *next <= app_clock().now().to_msecs()) {
      binder_.run([this] { form_.timers().run_due(); });
    }
  });
  poll->start(20);
}

void TMainForm::apply_bounds() {
  const WindowBounds& b = form_.bounds;
  QList<QRect> screens;
  for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
  const QRect r = fit_to_screens(QRect(b.left, b.top, b.width, b.height), screens);
  move(r.topLeft());
  resize(r.size());
}

// The place of the window frame and the size of the window, as they are restored.
void TMainForm::store_bounds() {
  const bool normal = !isMaximized() && !isMinimized() && !isFullScreen();
  const QRect r = normal ? QRect(pos(), size()) : normalGeometry();
  form_.bounds.top = r.top();
  form_.bounds.left = r.left();
  form_.bounds.width = r.width();
  form_.bounds.height = r.height();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_once_) return;
  shown_once_ = true;
  binder_.run([this] { form_.FormShow(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  store_bounds();
  bool may_close = true;
  binder_.run([this, &may_close] { may_close = form_.FormCloseQuery(); });
  if (may_close) {
    event->accept();
  } else {
    event->ignore();
  }
}

// Hints of commands go to the status line, which is core state like every other label.
bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    binder_.run([this, &tip] { form_.StatusLine.set_text(sjs(tip)); });
    return true;
  }
  return QMainWindow::event(event);
}

void TMainForm::show_version() {
  auto* w = new TVersionForm(this);
  w->setAttribute(Qt::WA_DeleteOnClose);
  w->open();
}

void TMainForm::open_get_data() {
  form_.JVDataGetItemClick([this] { ShowGetDataForm(form_.dialogs(), form_.jvlink(), this); });
}

// A run over every stored day: the day being read, how far it is, and its cancel, at the
// right of the status line while the run lasts.
void TMainForm::set_tab_order() {
  setTabOrder(date_combo_, dat_list_);
  setTabOrder(dat_list_, page_control1_);
}

}  // namespace rv::gui
