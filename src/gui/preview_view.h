// The page "金のなる木プレビュー": the 枠連 odds table beside the popularity labels, the
// signals with the user's thresholds, the patterns and the 追い上げ group.
#pragma once

#include <QWidget>

#include "app/main_form.h"
#include "gui/binder.h"

namespace rv::gui {

QWidget* PreviewPage(MainForm& form, Binder& binder, QWidget* parent = nullptr);

}  // namespace rv::gui
