#include "app/help.h"

#include <gtest/gtest.h>

#include "common/fake_services.h"
#include "common/platform.h"
#include "common/temp_dir.h"
#include "support/text.h"

namespace rv {
namespace {

// A desktop without a program for PDF files.
class NoViewerDesktop final : public Desktop {
 public:
  int tries = 0;
  bool open(const std::filesystem::path& /*file*/) override {
    ++tries;
    return false;
  }
  bool launch(const std::filesystem::path&, const std::vector<std::string>&,
              const std::filesystem::path&) override {
    return false;
  }
  void set_clipboard(std::string_view /*text*/) override {}
  void play_wav(const std::filesystem::path& /*file*/) override {}
  std::optional<std::filesystem::path> choose_folder(std::string_view,
                                                     const std::filesystem::path&) override {
    return std::nullopt;
  }
};

TEST(Manual, OpensTheManualOrSaysWhyNot) {
  RV_POSIX_ONLY("a case-sensitive file system, where the name opened is the one on disk");
  const testing::AppDirScope dir;
  testing::FakeDialogs dialogs;
  testing::FakeDesktop desktop;

  OpenManual(dialogs, desktop);
  EXPECT_EQ(dialogs.calls,
            (std::vector<std::string>{"beep",
                                      "info: " + sj("使用解説書[Ravelin.pdf]が見つかりません。")}));
  EXPECT_TRUE(desktop.opened.empty());

  // The folder's spelling of the name is found whatever its case.
  testing::write_bytes(dir.path() / "RAVELIN.PDF", "%PDF");
  dialogs.calls.clear();
  OpenManual(dialogs, desktop);
  EXPECT_TRUE(dialogs.calls.empty());
  EXPECT_EQ(desktop.opened, std::vector<std::filesystem::path>{dir.path() / "RAVELIN.PDF"});

  NoViewerDesktop no_viewer;
  OpenManual(dialogs, no_viewer);
  EXPECT_EQ(no_viewer.tries, 1);
  EXPECT_EQ(dialogs.calls, (std::vector<std::string>{
                               "beep", "info: " + sj("使用解説書[Ravelin.pdf]を開けません。")}));
}

}  // namespace
}  // namespace rv
