#include "saver/settings/app_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace pgw {

std::string FolderOf(std::string_view programPath) {
  std::size_t slash = programPath.rfind('/');
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return "/";
  return std::string(programPath.substr(0, slash));
}

std::string ApplicationFolder() {
  std::vector<char> buffer(4096);
  for (;;) {
    ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return ".";  // only where /proc is not mounted
    if (static_cast<std::size_t>(length) < buffer.size()) {
      return FolderOf(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string AppFile(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '/') path += '/';
  path += name;
  return path;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0;
}

}  // namespace pgw
