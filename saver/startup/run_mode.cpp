#include "saver/startup/run_mode.h"

#include "saver/settings/blanks.h"
#include "saver/texts.h"

namespace pgw {
namespace {

// The command line without blanks around it, in capitals.
std::string NormalizedLine(std::string_view line) {
  std::string upper(TrimBlanks(line));
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

// Only the first two characters count: Windows may append ":handle" or " handle".
std::string_view SwitchOf(std::string_view normalized) {
  return normalized.substr(0, 2);
}

}  // namespace

std::string_view RunModeWord(RunMode mode) {
  switch (mode) {
    case RunMode::Configure:
      return texts::kConfigureMode;
    case RunMode::Run:
      return texts::kRunMode;
    case RunMode::Preview:
      return texts::kPreviewMode;
    case RunMode::Other:
      return texts::kOtherMode;
    case RunMode::First:
      return texts::kFirstMode;
  }
  return texts::kOtherMode;
}

std::optional<RunMode> ChooseRunMode(std::string_view commandLine) {
  const std::string line = NormalizedLine(commandLine);
  const std::string_view key = SwitchOf(line);
  if (key == "/P") return std::nullopt;
  if (key == "/C") return RunMode::Configure;
  if (key.empty() || key == "/S") return RunMode::Run;
  if (key == "/Y") return RunMode::Preview;
  if (line.starts_with("/FIRST")) return RunMode::First;
  return RunMode::Other;
}

std::optional<RunMode> DecideStartup(std::string_view commandLine, WindowProbe& windows) {
  for (std::string_view caption : texts::kSingleInstanceCaptions) {
    if (windows.HasWindowTitled(caption)) return std::nullopt;
  }
  std::optional<RunMode> mode = ChooseRunMode(commandLine);
  if (!mode) return std::nullopt;
  if (windows.HasWindowTitled(texts::kForeignAppCaption)) return std::nullopt;
  return mode;
}

std::string JoinArguments(int argc, const char* const* argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

}  // namespace pgw
