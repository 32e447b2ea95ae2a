// The fund-allocation controls of the main window: the mode group "資金配分" with the amount
// of the race beside the bet totals, and the group "追い上げ投資用" of the preview tab. Each
// change goes to the form's handler, which reallocates the seven tables.
#pragma once

#include <QWidget>

#include "app/main_form.h"
#include "gui/binder.h"

class QLineEdit;

namespace rv::gui {

// "資金配分" (RadioGroup1) and the investment amount SaNumEditExC1.
QWidget* allocation_box(MainForm& form, Binder& binder, QWidget* parent = nullptr);
// "追い上げ投資用": 目標利益金額 (SaNumEditExC2), 損失金額 (SaNumEditExC3) and "追い上げ".
QWidget* oiage_group(MainForm& form, Binder& binder, QWidget* parent = nullptr);

// An amount box in yen: digits only, right-aligned, as wide as its digits.
QLineEdit* yen_edit(Edit& edit, const char* name, Binder& binder, Handler on_user, QWidget* parent);

}  // namespace rv::gui
