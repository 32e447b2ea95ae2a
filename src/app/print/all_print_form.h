// TAllPrintForm: the print preview window without widgets. A tool bar with a close button,
// "印刷(&P)", "ﾌﾟﾘﾝﾀ設定(&S)", "PDFに保存" and the zoom group "倍率", and below it the preview
// control TPrevX. The window keeps its place in [Printlocate] and its zoom in [PrintZoom].
#pragma once

#include <memory>
#include <string>

#include "app/print/prev_x.h"
#include "model/day.h"
#include "support/controls.h"
#include "support/services.h"
#include "support/settings.h"
#include "support/text.h"

namespace rv {

struct PrintWindowBounds {
  int top = 10;
  int left = 10;
  int width = 630;
  int height = 450;
};

class TAllPrintForm {
 public:
  // Everything given outlives the form.
  TAllPrintForm(TIniGT& ini, PrinterDevice& printer, Dialogs& dialogs);

  std::string Caption;
  PrintWindowBounds bounds;
  Command CloseBtn{sj("閉じる")};
  Command PrintBtn{sj("印刷(&P)")};
  Command SetupBtn{sj("ﾌﾟﾘﾝﾀ設定(&S)")};
  Command PdfBtn{sj("PDFに保存")};
  // 25 %, 50 %, 75 %, 100 %.
  RadioGroup RadioGroup1{sj("倍率"), {"25%", "50%", "75%", "100%"}};
  TPrevX PrevX;

  // Position, size and zoom from the settings file.
  void FormCreate();
  // The zoom item chosen: the preview's scale, stored as [PrintZoom] ratio.
  void RadioGroup1Click();
  // Stores position and size (the window sets `bounds` first).
  void FormClose();
  // Printing and the printer setup; without a printer the error box says so.
  void PrintBtnClick();
  void SetupBtnClick();

 private:
  TIniGT& ini_;
  Dialogs& dialogs_;
};

// "印刷(&P)...": the preview window with the loaded day's overview sheet recorded, caption
// "一覧表　印刷", for the window to show modally; nullptr when no day is in the date box
// (the refusal was shown).
std::unique_ptr<TAllPrintForm> OpenOverviewSheet(const Day& day, const ListControl& date_combo,
                                                 TIniGT& ini, PrinterDevice& printer,
                                                 Dialogs& dialogs);

// "ﾌﾟﾘﾝﾀの設定(&R)...": the printer setup dialog, or the error box without a printer.
void PrinterSetup(PrinterDevice& printer, Dialogs& dialogs);

}  // namespace rv
