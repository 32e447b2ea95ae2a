// TMainForm: the main window. It lays out views over MainForm's state and forwards every
// command, click and timer to MainForm's handlers; it decides nothing itself.
#pragma once

#include <QMainWindow>
#include <QRect>

#include "app/main_form.h"
#include "gui/binder.h"
#include "gui/mail_set_window.h"
#include "gui/printer_device.h"

class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QTabWidget;

namespace rv::gui {

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Runs the window's creation (FormCreate) on a form whose AppDir and services are set.
  explicit TMainForm(MainForm& form, QWidget* parent = nullptr);

  [[nodiscard]] MainForm& form() { return form_; }
  [[nodiscard]] Binder& binder() { return binder_; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void build_menus();
  void build_tool_bar();
  void build_pages();
  // The print menu: the race list's context menu, since the File menu does not show it.
  void build_print_menu();
  // The progress of an all-days run, in the status bar.
  void build_batch_panel();
  // Around a walk over races (true as it starts).
  void freeze_for_walk(bool running);
  // "印刷(&P)...": the preview window of the overview sheet, modal.
  void open_print_sheet();
  QWidget* race_header();
  void set_tab_order();
  void apply_bounds();
  void start_clock_timers();
  void store_bounds();
  void show_version();
  // "JVデータ取得": the stored-data window, modal; the main window follows once it closed.
  void open_get_data();

  // Menu building: each line that adds a command names the handler it runs; an empty
  // handler leaves the command disabled until its behaviour arrives.
  QMenu* menu(Command& command, const char* name);
  QMenu* sub_menu(QMenu* parent, Command& command, const char* name);
  QAction* item(QMenu* menu, Command& command, const char* name, Handler handler);
  QAction* check(QMenu* menu, Toggle& toggle, const char* name, Handler handler,
                 CheckBy check_by = CheckBy::kView);
  std::vector<QAction*> radio_items(QMenu* menu, std::vector<Toggle*> toggles,
                                    std::vector<const char*> names, const Handler& handler = {});
  QWidget* grid_page(Grid& grid, const char* name, GridHandler handler = {});
  GridView* grid(Grid& grid, const char* name, GridHandler handler = {});

  MainForm& form_;
  Binder binder_;
  MailSetWindow* mail_set_ = nullptr;
  QComboBox* date_combo_ = nullptr;
  QListWidget* dat_list_ = nullptr;
  QTabWidget* page_control1_ = nullptr;
  QLabel* status_line_ = nullptr;
  QLabel* frozen_ = nullptr;  // the body's picture while a walk runs
  bool shown_once_ = false;
  // The printer the overview sheet is recorded for; its settings last as long as the window.
  QtPrinterDevice printer_{this};
};

// A restored window stays reachable: a size too small to use (a damaged settings file)
// takes the default size, and a window that would lie wholly outside every screen comes
// back to the default place. Otherwise the stored place and size are kept as they are.
QRect fit_to_screens(QRect wanted, const QList<QRect>& screens);

}  // namespace rv::gui
