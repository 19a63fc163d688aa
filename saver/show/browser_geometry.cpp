#include "saver/show/browser_geometry.h"

#include <array>
#include <utility>

namespace pgw {

BrowserRect LoadGeometry(BrowserRect current, float screenWidthAtLoad, float screenWidth,
                         float screenHeight, bool hideScrollBars) {
  current.width =
      hideScrollBars ? screenWidthAtLoad + 0.02578125f * screenWidthAtLoad : screenWidth;
  current.height = screenHeight;
  return current;
}

BrowserRect ActivationGeometry(float screenWidthAtLoad, float screenWidth, float screenHeight,
                               bool hideScrollBars) {
  return {-5, -5, hideScrollBars ? screenWidthAtLoad + 0.018f * screenWidthAtLoad : screenWidth,
          screenHeight + 15};
}

std::optional<BrowserRect> FixedSizeGeometry(std::string_view displaySize, float windowWidth,
                                             float windowHeight) {
  struct FixedSize {
    std::string_view text;
    float width;
    float height;
  };
  static constexpr std::array<FixedSize, 4> kSizes = {{{"640x480", 9600, 7200},
                                                       {"800x600", 12000, 9000},
                                                       {"1024x768", 15360, 11520},
                                                       {"1280x1024", 19200, 15360}}};
  for (const FixedSize& size : kSizes) {
    if (displaySize == size.text) {
      return BrowserRect{windowWidth / 2 - size.width / 2, windowHeight / 2 - size.height / 2,
                         size.width, size.height};
    }
  }
  return std::nullopt;
}

}  // namespace pgw
