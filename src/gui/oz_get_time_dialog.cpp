#include "gui/oz_get_time_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace rv::gui {

namespace {

// A framed group: its note above, then before-text, the number and after-text on one line.
QGroupBox* time_group(Binder& binder, Label& caption, Label* note, const char* before,
                      SpinEdit& spin, const char* after, const char* name, QWidget* parent) {
  auto* group = new QGroupBox(qs(caption.text()), parent);
  binder.control(group, caption);
  auto* column = new QVBoxLayout(group);
  if (note != nullptr) {
    auto* text = new QLabel(group);
    text->setWordWrap(true);
    binder.label(text, *note);
    column->addWidget(text);
  }
  auto* row = new QHBoxLayout;
  if (before != nullptr) row->addWidget(new QLabel(QString::fromUtf8(before), group));
  auto* box = new QSpinBox(group);
  box->setObjectName(name);
  binder.spin(box, spin);
  row->addWidget(box);
  row->addWidget(new QLabel(QString::fromUtf8(after), group));
  row->addStretch(1);
  column->addLayout(row);
  return group;
}

}  // namespace

OzGetTimeDialog::OzGetTimeDialog(TOzGetTimeForm& form, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), form_(form), binder_(dialogs, this) {
  setObjectName("OzGetTimeForm");
  setWindowTitle(qs(TOzGetTimeForm::Caption()));
  auto* top = new QVBoxLayout(this);
  top->addWidget(time_group(binder_, form.OzGroup, &form.OzNote, "発走", form.AutoOzGet, "分前",
                            "AutoOzGet", this));
  top->addWidget(time_group(binder_, form.BataijuGroup, nullptr, "発走", form.AutoBataijuGet,
                            "分前", "AutoBataijuGet", this));
  top->addWidget(time_group(binder_, form.RdataGroup, &form.RdataNote, nullptr, form.AutoRdataGet,
                            "分間隔", "AutoRdataGet", this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &OzGetTimeDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &OzGetTimeDialog::reject);
  top->addWidget(buttons);
}

void OzGetTimeDialog::accept() {
  bool stored = false;
  binder_.run([&] {
    form_.OKBtnClick();
    stored = true;
  });
  if (stored) QDialog::accept();
}

void ShowOzGetTimeForm(std::unique_ptr<TOzGetTimeForm> form, Dialogs& dialogs, QWidget* parent) {
  OzGetTimeDialog dialog(*form, dialogs, parent);
  dialog.exec();
}

}  // namespace rv::gui
