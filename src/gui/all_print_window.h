// TAllPrintForm as a Qt dialog: the tool bar, the zoom group and the preview in a scroll box.
#pragma once

#include <QDialog>
#include <QWidget>
#include <memory>

#include "app/print/all_print_form.h"
#include "gui/binder.h"

namespace rv::gui {

// The preview control: the scaled page as a white sheet with its printable area dotted and
// the current page drawn into that area.
class PrevXView final : public QWidget {
 public:
  PrevXView(TPrevX& prev, QWidget* parent);
  // Follows the zoom and the pages.
  void sync();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TPrevX& prev_;
  std::uint64_t version_ = 0;
};

class AllPrintWindow final : public QDialog {
 public:
  AllPrintWindow(TAllPrintForm& form, Dialogs& dialogs, QWidget* parent);

  [[nodiscard]] PrevXView* preview() const { return view_; }

 protected:
  void done(int result) override;

 private:
  void save_pdf();

  TAllPrintForm& form_;
  Dialogs& dialogs_;
  Binder binder_;
  PrevXView* view_ = nullptr;
};

// Shows the window modally; the form closes with it.
void ShowAllPrintForm(std::unique_ptr<TAllPrintForm> form, Dialogs& dialogs, QWidget* parent);

}  // namespace rv::gui
