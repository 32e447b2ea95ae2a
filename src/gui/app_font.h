// Japanese text needs a font with Japanese glyphs.
#pragma once

namespace rv::gui {

// Makes a font with Japanese glyphs the application font when the platform's default has
// none (a bare Linux desktop or the offscreen platform). Call after the application exists.
void use_japanese_font();

}  // namespace rv::gui
