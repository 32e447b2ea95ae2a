#include "app/print/all_print_form.h"

#include "app/print/overview_sheet.h"

namespace rv {
namespace {

constexpr int kZoomItems[] = {25, 50, 75, 100};

}  // namespace

TAllPrintForm::TAllPrintForm(TIniGT& ini, PrinterDevice& printer, Dialogs& dialogs)
    : PrevX(printer), ini_(ini), dialogs_(dialogs) {
  PrevX.SetZoomScale(50);
}

void TAllPrintForm::FormCreate() {
  bounds.top = ini_.ReadInteger("Printlocate", "top", 10);
  bounds.left = ini_.ReadInteger("Printlocate", "left", 10);
  bounds.width = ini_.ReadInteger("Printlocate", "width", 630);
  bounds.height = ini_.ReadInteger("Printlocate", "height", 450);
  const int ratio = ini_.ReadInteger("PrintZoom", "ratio", 1);
  if (ratio >= 0 && ratio < 4) {
    RadioGroup1.set_item_index(ratio);
    PrevX.SetZoomScale(kZoomItems[ratio]);
  }
}

void TAllPrintForm::RadioGroup1Click() {
  const int item = RadioGroup1.item_index();
  if (item < 0 || item >= 4) return;
  PrevX.SetZoomScale(kZoomItems[item]);
  ini_.WriteInteger("PrintZoom", "ratio", item);
}

void TAllPrintForm::FormClose() {
  ini_.WriteInteger("Printlocate", "top", bounds.top);
  ini_.WriteInteger("Printlocate", "left", bounds.left);
  ini_.WriteInteger("Printlocate", "width", bounds.width);
  ini_.WriteInteger("Printlocate", "height", bounds.height);
}

void TAllPrintForm::PrintBtnClick() {
  try {
    PrevX.Print();
  } catch (const PrinterError& e) {
    dialogs_.error(e.what());
  }
}

void TAllPrintForm::SetupBtnClick() {
  try {
    PrevX.PrinterSetup();
  } catch (const PrinterError& e) {
    dialogs_.error(e.what());
  }
}

std::unique_ptr<TAllPrintForm> OpenOverviewSheet(const Day& day, const ListControl& date_combo,
                                                 TIniGT& ini, PrinterDevice& printer,
                                                 Dialogs& dialogs) {
  if (is_blank(date_combo.text())) {
    dialogs.beep();
    dialogs.info(SJ("開催日データが読み込まれていません。"));
    return nullptr;
  }
  auto form = std::make_unique<TAllPrintForm>(ini, printer, dialogs);
  form->FormCreate();
  TPrevX& prev = form->PrevX;
  prev.SetPaper(kPaperA4, kLandscape);
  prev.BeginDoc();
  form->Caption = SJ("一覧表　印刷");
  prev.Title = SJ("一覧表");
  DrawOverviewSheet(day, prev);
  prev.EndDoc();
  return form;
}

void PrinterSetup(PrinterDevice& printer, Dialogs& dialogs) {
  if (!printer.installed()) {
    dialogs.error(PrinterError().what());
    return;
  }
  printer.setup_dialog();
}

}  // namespace rv
