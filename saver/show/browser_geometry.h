// Where the show's browser lies in the window, in twips. Hiding scroll bars widens the
// browser beyond the right edge of the screen, which takes its vertical scroll bar out of
// view; the fixed window sizes centre a browser of that size.
#pragma once

#include <optional>
#include <string_view>

namespace pgw {

struct BrowserRect {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  friend bool operator==(const BrowserRect&, const BrowserRect&) = default;
};

// At load: full height, the width widened by 0.02578125 of the screen width taken at load
// when scroll bars are hidden; left and top stay as they were.
BrowserRect LoadGeometry(BrowserRect current, float screenWidthAtLoad, float screenWidth,
                         float screenHeight, bool hideScrollBars);

// At activation: 5 twips beyond the top-left corner, 15 twips taller than the screen, the
// width widened by 0.018 of the screen width taken at load when scroll bars are hidden.
BrowserRect ActivationGeometry(float screenWidthAtLoad, float screenWidth, float screenHeight,
                               bool hideScrollBars);

// For the window sizes "640x480", "800x600", "1024x768" and "1280x1024" (exactly these
// texts): a browser of that size centred in the window. Nothing for any other text.
std::optional<BrowserRect> FixedSizeGeometry(std::string_view displaySize, float windowWidth,
                                             float windowHeight);

}  // namespace pgw
