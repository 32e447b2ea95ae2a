#include "app/main_grids.h"

#include "support/text.h"

namespace rv {
namespace {

struct Column {
  int col;
  const char* heading;  // UTF-8
  int width;
};

template <std::size_t N>
void set_up(Grid& g, int rows, const Column (&columns)[N]) {
  g.reset(static_cast<int>(N), rows);
  for (const Column& c : columns) {
    g.set(0, c.col, sj(c.heading));
    g.set_col_width(c.col, c.width);
  }
}

constexpr Column kStringGrid27[] = {{0, "", 24}, {1, "馬連", 64}, {2, "結果", 56}, {3, "配当", 72},
                                    {4, "", 24}, {5, "馬単", 64}, {6, "結果", 56}, {7, "配当", 72}};

}  // namespace

MainGrids::MainGrids() {
  set_up(StringGrid27, 2, kStringGrid27);
}

}  // namespace rv
