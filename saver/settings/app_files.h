// The application folder (the folder of the running program) and the files in it.
#pragma once

#include <string>
#include <string_view>

namespace pgw {

// The folder that holds `programPath`, without a trailing "/" ("/" for the root).
std::string FolderOf(std::string_view programPath);

// The folder of the running program, found from the program itself (never from the
// working folder), as bytes exactly as the file system has them.
std::string ApplicationFolder();

// `name` inside `folder`.
std::string AppFile(std::string_view folder, std::string_view name);

// True when the time of last change of the file at `path` can be read; the file is not
// opened. False for an empty path, a missing file or any other error.
bool FileExists(const std::string& path);

}  // namespace pgw
