// The commands that hand the bets of the race on screen to voting: "PATBET" and "RGT2投票" on
// the bet page work on the active bet tab; "投票ファイル" on the preview page opens a menu
// with one item per bet type.
#pragma once

#include <array>

#include "model/bet_type.h"
#include "support/controls.h"
#include "support/text.h"

namespace rv {

struct TohyoControls {
  TohyoControls();

  Command TohyouBtn{sj("PATBET")};
  Command TohyoCSVBtn{sj("RGT2投票"), true, sj("RGT投票プラグイン２経由で投票します")};
  Command TohyoBtn{sj("投票ファイル"), true, sj("投票ファイルを出力します")};
  // The menu PopupTohyo: N19 "単勝" … N26 "三連単", in BetType order.
  std::array<Command, kBetTypeCount> PopupTohyo;
};

}  // namespace rv
