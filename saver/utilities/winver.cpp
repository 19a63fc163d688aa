#include "saver/utilities/winver.h"

namespace pgw {

std::string GetWindowsVersion() {
  return "2";
}

}  // namespace pgw
