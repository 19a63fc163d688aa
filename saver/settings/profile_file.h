// Reader for INI-style profile files, with the rules the settings file relies on:
// sections and keys match without regard to letter case, the first matching section
// and the first matching key in it count, a value is the text after the first "="
// without surrounding blanks and with one pair of enclosing quotes removed, and
// anything missing reads as an empty text. Values are returned whole, byte for byte.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pgw {

struct CaseInsensitiveHash {
  std::size_t operator()(std::string_view text) const noexcept;
};
struct CaseInsensitiveEqual {
  bool operator()(std::string_view a, std::string_view b) const noexcept;
};

class ProfileFile {
 public:
  // The file at `path`; a file that is missing or cannot be read gives an empty profile.
  static ProfileFile Read(const std::string& path);
  // A profile parsed from the bytes of a file. Line ends may be CR LF, LF or CR.
  static ProfileFile Parse(std::string bytes);

  // The value of `key` in `section`, or an empty text when either is missing.
  // The view lives as long as this object.
  std::string_view Value(std::string_view section, std::string_view key) const;

 private:
  using Keys = std::unordered_map<std::string_view, std::string_view, CaseInsensitiveHash,
                                  CaseInsensitiveEqual>;

  explicit ProfileFile(std::string bytes);
  void ParseLine(std::string_view line, Keys*& current);

  // Kept on the heap so that the views below survive a move of the ProfileFile.
  std::unique_ptr<const std::string> bytes_;
  std::vector<Keys> sections_;
  std::unordered_map<std::string_view, std::size_t, CaseInsensitiveHash, CaseInsensitiveEqual>
      sectionIndex_;
};

}  // namespace pgw
