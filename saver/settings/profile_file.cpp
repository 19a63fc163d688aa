#include "saver/settings/profile_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "saver/settings/blanks.h"

namespace pgw {
namespace {

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
  // Read the size the file says it has in one go, then whatever it has grown by.
  std::size_t expected = 0;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    expected = static_cast<std::size_t>(info.st_size);
  }
  std::size_t filled = 0;
  bytes.resize(expected + 1);
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2 + 4096);
    ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
    if (got > 0) {
      filled += static_cast<std::size_t>(got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      filled = 0;  // a folder or an I/O error: nothing of it counts
      break;
    }
  }
  ::close(fd);
  bytes.resize(filled);
  return bytes;
}

// The next line of `rest` (without its end), which is taken off `rest`. A line ends at
// CR LF, LF or CR.
std::string_view NextLine(std::string_view& rest) {
  const char* begin = rest.data();
  std::size_t size = rest.size();
  const void* lf = std::memchr(begin, '\n', size);
  std::size_t end = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - begin) : size;
  if (const void* cr = std::memchr(begin, '\r', end)) {
    end = static_cast<std::size_t>(static_cast<const char*>(cr) - begin);
  }
  std::size_t next = end;
  if (next < size) {
    next += (begin[next] == '\r' && next + 1 < size && begin[next + 1] == '\n') ? 2 : 1;
  }
  rest.remove_prefix(next);
  return std::string_view(begin, end);
}

}  // namespace

std::size_t ProfileFile::CaseInsensitiveHash::operator()(std::string_view text) const noexcept {
  std::size_t hash = 14695981039346656037ull;
  for (char c : text) {
    hash ^= FoldCase(static_cast<unsigned char>(c));
    hash *= 1099511628211ull;
  }
  return hash;
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
  // Keys before any section, and in a repeated section, belong to no section that counts.
  Section* current = nullptr;
  while (!rest.empty()) {
    std::string_view line = TrimBlanks(NextLine(rest));
    if (line.empty()) continue;
    if (line.front() == '[') {
      std::string_view name = line.substr(1);
      name = TrimBlanks(name.substr(0, name.find(']')));
      auto [where, added] = sections_.try_emplace(name, Section{entries_.size(), 0});
      current = added ? &where->second : nullptr;
      continue;
    }
    if (current == nullptr) continue;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    entries_.push_back(
        {TrimBlanks(line.substr(0, equals)), Unquote(TrimBlanks(line.substr(equals + 1)))});
    ++current->count;
  }
}

std::span<const ProfileFile::Entry> ProfileFile::Entries(std::string_view section) const {
  auto where = sections_.find(section);
  if (where == sections_.end()) return {};
  return std::span<const Entry>(entries_).subspan(where->second.first, where->second.count);
}

std::string_view ProfileFile::Value(std::string_view section, std::string_view key) const {
  for (const Entry& entry : Entries(section)) {
    if (SameIgnoringCase(entry.key, key)) return entry.value;
  }
  return {};
}

}  // namespace pgw
