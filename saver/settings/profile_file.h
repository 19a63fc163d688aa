// Reader for INI-style profile files, with the rules the settings file relies on:
// sections and keys match without regard to letter case, the first matching section
// and the first matching key in it count, a value is the text after the first "="
// without surrounding blanks and with one pair of enclosing quotes removed, and
// anything missing reads as an empty text. Values are returned whole, byte for byte.
#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "saver/settings/ignoring_case.h"

namespace pgw {

class ProfileFile {
 public:
  struct Entry {
    std::string_view key;
    std::string_view value;
  };

  // The file at `path`; a file that is missing or cannot be read gives an empty profile.
  static ProfileFile Read(const std::string& path);
  // A profile parsed from the bytes of a file. Line ends may be CR LF, LF or CR.
  static ProfileFile Parse(std::string bytes);

  // The value of the first `key` in `section`, or an empty text when either is missing.
  // The view lives as long as this object.
  std::string_view Value(std::string_view section, std::string_view key) const;

  // Every entry of `section` in file order, repeated keys included (the first of them
  // is the one that counts), for readers that take a whole family of keys at once.
  std::span<const Entry> Entries(std::string_view section) const;

 private:
  struct CaseInsensitiveHash {
    std::size_t operator()(std::string_view text) const noexcept;
  };
  struct CaseInsensitiveEqual {
    bool operator()(std::string_view a, std::string_view b) const noexcept {
      return SameIgnoringCase(a, b);
    }
  };
  struct Section {
    std::size_t first = 0;  // its entries are entries_[first, first + count)
    std::size_t count = 0;
  };

  explicit ProfileFile(std::string bytes);

  // Kept on the heap so that the views below survive a move of the ProfileFile.
  std::unique_ptr<const std::string> bytes_;
  std::vector<Entry> entries_;
  std::unordered_map<std::string_view, Section, CaseInsensitiveHash, CaseInsensitiveEqual>
      sections_;
};

}  // namespace pgw
