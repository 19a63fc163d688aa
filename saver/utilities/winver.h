#pragma once

#include <string>

namespace pgw {

// The platform family as decimal text: "1" for a system without a session lock (the
// saver then asks for its own password), "2" for one with a session lock. Linux
// desktops have a session lock, so this answers "2".
std::string GetWindowsVersion();

}  // namespace pgw
