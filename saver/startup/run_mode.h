// The saver's command line and the run mode it selects.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "saver/utilities/window_probe.h"

namespace pgw {

enum class RunMode { Configure, Run, Preview, Other, First };

// The word of a run mode: "confpgw", "runpgw", "prevpgw", "ostalopgw" or "first".
std::string_view RunModeWord(RunMode mode);

// The run mode for a command line, or nothing when the line asks for the small preview
// of a display control panel ("/P"), which the saver declines.
std::optional<RunMode> ChooseRunMode(std::string_view commandLine);

// The start-up decision: nothing when this process must end at once (a saver window is
// already open, or "/P"), otherwise the run mode of the window to open.
std::optional<RunMode> DecideStartup(std::string_view commandLine, WindowProbe& windows);

// The arguments of the program (without its own path) as one command line.
std::string JoinArguments(int argc, const char* const* argv);

}  // namespace pgw
