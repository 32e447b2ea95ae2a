#include "gui/get_data_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace rv::gui {

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

  auto* kind = new QGroupBox(qs(form.DataKindGroup.caption()), this);
  kind->setObjectName("DataKindGroup");
  auto* kind_layout = new QVBoxLayout(kind);
  std::vector<QAbstractButton*> kinds;
  for (const std::string& item : form.DataKindGroup.items()) {
    auto* r = new QRadioButton(qs(item), kind);
    kind_layout->addWidget(r);
    kinds.push_back(r);
  }
  binder_.radio(kinds, form.DataKindGroup);
  binder_.control(kind, form.DataKindGroup);

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
  binder_.list(list, form.ListBox1);

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
