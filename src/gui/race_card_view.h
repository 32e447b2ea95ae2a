// The race card's views: the entry card "出馬表" with its sort buttons and copy button, the
// results card with the chase-list pop-up menu, and the copy menu of the axis/partner table.
// Every press, click and menu command goes to MainForm's handler of the same name.
#pragma once

#include <QWidget>

#include "app/main_form.h"
#include "gui/binder.h"
#include "gui/grid_view.h"

namespace rv::gui {

// The entry card page: the eight sort buttons and "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ" above StringGrid26.
QWidget* EntryCardPage(MainForm& form, Binder& binder);

// StringGrid6: a press selects its horse; the pop-up registers it on the chase list.
GridView* ResultsCardView(MainForm& form, Binder& binder);

// StringGrid4 with its pop-up item "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへｺﾋﾟｰ".
GridView* JikuHimoTableView(MainForm& form, Binder& binder);

}  // namespace rv::gui
