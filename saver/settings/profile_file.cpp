#include "saver/settings/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace pgw {
namespace {

unsigned char FoldCase(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The whole file, or an empty text when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path) {
  std::string bytes;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return bytes;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(info.st_size));
  }
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
      bytes.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      bytes.clear();  // a folder or an I/O error: nothing of it counts
      break;
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace

std::size_t CaseInsensitiveHash::operator()(std::string_view text) const noexcept {
  std::size_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= FoldCase(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  return hash;
}

bool CaseInsensitiveEqual::operator()(std::string_view a, std::string_view b) const noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldCase(static_cast<unsigned char>(a[i])) != FoldCase(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

ProfileFile ProfileFile::Read(const std::string& path) {
  return ProfileFile(ReadWholeFile(path));
}

ProfileFile ProfileFile::Parse(std::string bytes) {
  return ProfileFile(std::move(bytes));
}

ProfileFile::ProfileFile(std::string bytes)
    : bytes_(std::make_unique<const std::string>(std::move(bytes))) {
  std::string_view rest = *bytes_;
  Keys* current = nullptr;  // keys before any section, and in repeated sections, are ignored
  while (!rest.empty()) {
    std::size_t end = rest.find_first_of("\r\n");
    ParseLine(rest.substr(0, end), current);
    if (end == std::string_view::npos) break;
    std::size_t next = end + 1;
    if (rest[end] == '\r' && next < rest.size() && rest[next] == '\n') ++next;
    rest.remove_prefix(next);
  }
}

void ProfileFile::ParseLine(std::string_view line, Keys*& current) {
  line = TrimBlanks(line);
  if (line.empty()) return;
  if (line.front() == '[') {
    std::string_view name = line.substr(1);
    name = TrimBlanks(name.substr(0, name.find(']')));
    auto [where, added] = sectionIndex_.try_emplace(name, sections_.size());
    if (added) {
      sections_.emplace_back();
      current = &sections_.back();
    } else {
      current = nullptr;
    }
    return;
  }
  if (current == nullptr) return;
  std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  std::string_view key = TrimBlanks(line.substr(0, equals));
  std::string_view value = Unquote(TrimBlanks(line.substr(equals + 1)));
  current->try_emplace(key, value);
}

std::string_view ProfileFile::Value(std::string_view section, std::string_view key) const {
  auto where = sectionIndex_.find(section);
  if (where == sectionIndex_.end()) return {};
  const Keys& keys = sections_[where->second];
  auto found = keys.find(key);
  return found == keys.end() ? std::string_view{} : found->second;
}

}  // namespace pgw
