// print DAY --pdf FILE: loads the day, records the overview sheet "一覧表" as "印刷(&P)..."
// does and writes it as a PDF instead of printing it; prints the path written. There is no
// printer here, and no display: Qt draws the PDF on its offscreen platform.
#include <QGuiApplication>
#include <filesystem>
#include <memory>

#include "app/print/all_print_form.h"
#include "cli/day_arg.h"
#include "gui/page_replay.h"
#include "support/files.h"

namespace rv::cli {
namespace {

// Qt's drawing needs an application object; the offscreen platform needs no display.
class OffscreenGui {
 public:
  OffscreenGui() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QGuiApplication::instance() == nullptr)
      app_ = std::make_unique<QGuiApplication>(argc_, argv_);
  }

 private:
  int argc_ = 1;
  char name_[12] = "ravelin-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

class PrintCommand final : public CliCommand {
 public:
  void parse(const std::vector<std::string>& args) override {
    if (args.size() != 3 || args[1] != "--pdf") throw UsageError("print takes DAY --pdf FILE");
    day_ = ParseDayArg(args[0]);
    pdf_ = std::filesystem::path(args[2]);
  }

  int run(CliContext& ctx) override {
    if (const int status = LoadDayArg(ctx, day_); status != 0) return status;
    NoPrinterDevice printer;
    const std::unique_ptr<TAllPrintForm> sheet = ctx.form.FilePrintItemClick(printer);
    if (!sheet) return 1;
    const OffscreenGui gui;
    gui::WritePdf(sheet->PrevX, pdf_);
    ctx.out << pdf_.string() << "\n";
    return 0;
  }

 private:
  std::string day_;
  std::filesystem::path pdf_;
};

}  // namespace

std::unique_ptr<CliCommand> make_print_command() {
  return std::make_unique<PrintCommand>();
}

}  // namespace rv::cli
