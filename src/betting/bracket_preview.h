// The 枠連 workbench of the tab "金のなる木プレビュー": the popularity-ordered 枠連 odds table
// in which the user marks combinations with "●", the popularity labels, the signal labels
// coloured by the user's thresholds, the recommended three-point box, and "抽出", which
// turns the marked combinations into the 枠連 bet table.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "betting/bet_construction.h"
#include "betting/bet_tables.h"
#include "betting/waku_preview.h"
#include "model/day.h"
#include "model/race_on_screen.h"
#include "support/controls.h"
#include "support/settings.h"

namespace rv {

namespace preview_colors {
inline constexpr Rgb kSignal = colors::kRed;  // the condition holds
inline constexpr Rgb kNormal = colors::kCream;
inline constexpr Rgb kKen = 0x80FF80;
inline constexpr Rgb kMarkColumn = 0xFFFF80;
}  // namespace preview_colors

// A threshold of the signals: its [Kaime] key, its default and the edit that holds it as
// the user typed it.
struct SignalSetting {
  const char* key;
  const char* def;
  Edit edit;
};

struct PreviewControls {
  PreviewControls();

  Grid StringGrid2;  // "人気順オッズ表": "人気", "枠連", "オッズ", "区分"

  // The signals ("ユーザー設定フィルタリングシグナル"); Tan1Label is the race card's.
  Label WakuAveLabel;
  Label Tan2Label;
  Label Tan7Label;
  Label Rentai1_3Label;
  Label RentaiSa3_4Label;
  Label KenLabel;
  Label HensaLabel;      // "単勝標準偏差", not shown
  Label KaiPaternLabel;  // "推奨パターン"
  Label kinto2tenLabel;  // "2点パターン"
  // "枠連1位人気" … "枠連10位人気", "単勝3位人気" … "単勝10位人気".
  std::array<Label, 10> WakuNinkiLabels;
  std::array<Label, 8> TanNinkiLabels;

  // The thresholds: Toz1_1, Toz2_1, Toz1_2, Toz2_2, Toz1_7, Toz2_7, WozAve, WozKei13, WozSa34.
  std::array<SignalSetting, 9> settings;

  Command KaimeMakeBtn_Old;  // "抽出"
  Command LossMemoBtn;       // "損失メモ": opens the loss register
};

// The caption of popularity label i of each kind: "枠連1位人気", "単勝3位人気" (Shift-JIS).
std::string WakuNinkiCaption(int i);
std::string TanNinkiCaption(int i);

// The preview's labels as ravelin-cli lists them: name (Shift-JIS) and label, in the fixed
// order of the signals, the patterns and the popularity labels.
std::vector<std::pair<std::string, const Label*>> PreviewLabels(const PreviewControls& c,
                                                                const Label& Tan1Label);

class BracketPreview {
 public:
  // Everything given outlives this object. Tan1Label is the race card's favourite label,
  // which the preview colours; kaime allocates the 枠連 table as a click in it does.
  BracketPreview(Day& day, const RaceOnScreen& on_screen, PreviewControls& controls,
                 Label& Tan1Label, BetTables& tables, BetConstruction& kaime, TIniGT& ini);
  BracketPreview(const BracketPreview&) = delete;
  BracketPreview& operator=(const BracketPreview&) = delete;

  // The thresholds' edits from the settings file, as the window is created.
  void LoadSettings();
  // A threshold's edit changed by the user: stored as typed, the signals shown again.
  void SettingChange(int i);

  // The race selection's part: the preview of the race on screen, its recommended marks
  // and their extraction into the 枠連 table.
  void ShowRacePreview();
  // "抽出": the marked rows of StringGrid2 into the 枠連 bet table, allocated.
  void KaimeMakeBtn_OldClick();
  // A press in the mark column of a data row toggles "●".
  void StringGrid2MouseDown(int row, int col);
  [[nodiscard]] static bool StringGrid2HandCursor(int row, int col) { return row >= 1 && col == 3; }
  [[nodiscard]] CellStyle StringGrid2DrawCell(int row, int col) const;

 private:
  [[nodiscard]] bool previewed(int slot) const;
  void ClearPreview();
  void FillOddsTable(const RaceWork& w);
  void ShowPopularity(const RaceWork& w);
  // The signal labels, the skip advice and the patterns from the figures already computed.
  void ShowSignals();
  [[nodiscard]] double setting(int i) const;

  Day& day_;
  const RaceOnScreen& on_screen_;
  PreviewControls& c_;
  Label& Tan1Label_;
  BetTables& tables_;
  BetConstruction& kaime_;
  TIniGT& ini_;
  WakuBox box_;  // the recommended box of the race on screen
};

}  // namespace rv
