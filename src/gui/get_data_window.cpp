#include "gui/get_data_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "gui/qt_text.h"
#include "gui/radio_box.h"
#include "gui/widget_state.h"

namespace rv::gui {
namespace {

// The list of created data gains thousands of lines per file: the view takes the new ones
// at most a few times a second, appended, and is rebuilt only when the list was cleared.
class CreatedDataBinding final : public Binder::Binding {
 public:
  CreatedDataBinding(QListWidget* view, const ListControl& list) : view_(view), list_(list) {}

  void sync() override {
    constexpr qint64 kIntervalMs = 150;
    if (view_.isNull() || list_.version() == seen_) return;
    if (since_.isValid() && since_.elapsed() < kIntervalMs) return;
    since_.start();
    seen_ = list_.version();
    const QSignalBlocker block(view_.data());
    const std::vector<std::string>& items = list_.items();
    if (items.size() < shown_.size() || !std::equal(shown_.begin(), shown_.end(), items.begin())) {
      shown_.clear();
      view_->clear();
    }
    for (std::size_t i = shown_.size(); i < items.size(); ++i) {
      shown_.push_back(items[i]);
      view_->addItem(qs(items[i]));
    }
    view_->setCurrentRow(list_.item_index());
    set_shown(*view_, list_.visible());
    view_->setEnabled(list_.enabled());
  }

 private:
  QPointer<QListWidget> view_;
  const ListControl& list_;
  std::uint64_t seen_ = 0;
  QElapsedTimer since_;
  std::vector<std::string> shown_;
};

}  // namespace

GetDataWindow::GetDataWindow(TGetDataForm& form, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), binder_(dialogs, this) {
  setObjectName("GetDataForm");
  setWindowTitle(qs(TGetDataForm::Caption()));
  setModal(true);

  auto* date_label = new QLabel(qs(form.DateLabel.text()), this);
  auto* picker = new QDateEdit(this);
  picker->setObjectName("DateTimePicker1");
  picker->setCalendarPopup(true);
  picker->setDisplayFormat("yyyy/MM/dd");
  date_label->setBuddy(picker);
  binder_.date(picker, form.DateTimePicker1);

  const auto button = [&](Command& state, const char* name, Handler handler) {
    auto* b = new QPushButton(qs(state.caption()), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    binder_.control(b, state);
    binder_.command(b, std::move(handler));
    return b;
  };
  QPushButton* start = button(form.StartBtn, "StartBtn", [&form] { form.StartBtnClick(); });
  QPushButton* cancel = button(form.CancelBtn, "CancelBtn", [&form] { form.CancelBtnClick(); });
  QPushButton* setup = button(form.JVSetBtn, "JVSetBtn", [&form] { form.JVSetBtnClick(); });
  setup->setToolTip(qs(TGetDataForm::JVSetHint()));

  auto* odds = new QCheckBox(this);
  odds->setObjectName("OddsCheck");
  binder_.toggle(odds, form.OddsCheck);
  auto* note = new QLabel(this);
  note->setObjectName("OddsNote");
  note->setWordWrap(true);
  binder_.label(note, form.OddsNote);

  auto* kind = radio_box(binder_, form.DataKindGroup, "DataKindGroup", Qt::Vertical, this);

  auto* progress = new QLabel(this);
  progress->setObjectName("ProgressLabel");
  progress->setMinimumWidth(360);
  binder_.label(progress, form.ProgressLabel);

  const auto bar = [&](ProgressBar& state, const char* name) {
    auto* b = new QProgressBar(this);
    b->setObjectName(name);
    b->setTextVisible(false);
    binder_.progress(b, state);
    return b;
  };
  auto* bars = new QGridLayout;
  bars->addWidget(new QLabel(qs(TGetDataForm::DownloadCaption()), this), 0, 0);
  bars->addWidget(bar(form.DownloadBar, "DownloadBar"), 0, 1);
  bars->addWidget(new QLabel(qs(TGetDataForm::ReadCaption()), this), 1, 0);
  bars->addWidget(bar(form.ReadBar, "ReadBar"), 1, 1);

  auto* list = new QListWidget(this);
  list->setObjectName("ListBox1");
  list->setUniformItemSizes(true);
  list->setMinimumHeight(180);
  binder_.adopt(std::make_unique<CreatedDataBinding>(list, form.ListBox1));
  connect(list, &QListWidget::currentRowChanged, this, [&form](int row) {
    if (row != form.ListBox1.item_index()) form.ListBox1.set_item_index(row);
  });

  status_timer_ = new QTimer(this);
  status_timer_->setObjectName("StatusTimer");
  binder_.timer(status_timer_, form.StatusTimer, [&form] { form.StatusTimerTimer(); });

  auto* date_row = new QHBoxLayout;
  date_row->addWidget(date_label);
  date_row->addWidget(picker);
  date_row->addStretch(1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(start);
  buttons->addWidget(cancel);
  buttons->addStretch(1);
  buttons->addWidget(setup);

  auto* top = new QVBoxLayout(this);
  top->addLayout(date_row);
  top->addLayout(buttons);
  top->addWidget(odds);
  top->addWidget(note);
  top->addWidget(kind);
  top->addWidget(progress);
  top->addLayout(bars);
  top->addWidget(new QLabel(qs(TGetDataForm::ListCaption()), this));
  top->addWidget(list, 1);
  resize(460, 460);

  // The views follow the form while a long handler lets window messages run.
  binder_.start_refresh_timer();
}

bool GetDataWindow::may_close() {
  bool ok = false;
  binder_.run([&] {
    ok = form_.FormCloseQuery();
    if (ok) form_.FormClose();
  });
  return ok;
}

void GetDataWindow::reject() {
  if (may_close()) QDialog::reject();
}

void GetDataWindow::closeEvent(QCloseEvent* event) {
  if (may_close()) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

void ShowGetDataForm(Dialogs& dialogs, JVLink& jvlink, QWidget* parent) {
  TGetDataForm form(dialogs, jvlink);
  form.FormCreate();
  GetDataWindow window(form, dialogs, parent);
  window.exec();
}

}  // namespace rv::gui
