#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/problem.h"

namespace tintara {

// A text INI file used the way the Windows profile functions use one: every call opens the file,
// does one read or write and closes it again. Section and key names match without regard to
// letter case; a write keeps every other line as it was. Reads and writes go through the file a
// block at a time and keep no line, so a file of millions of lines or of one long line costs the
// memory of a block (and of the value read).
class IniFile {
 public:
  explicit IniFile(std::string path) : path_(std::move(path)) {}

  // The value of the first matching key in the first matching section, without the blanks
  // around it or a pair of matching quotes; the fallback when there is none or no readable file.
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  // The stored text read as an integer (see ParseProfileInteger), or the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key,
                           std::int32_t fallback) const;

  // Creates the file, the section and the key as needed, through a temporary file and a rename.
  // Nothing when done; "Unable to write to <path>: <reason>" when the file cannot be written.
  [[nodiscard]] std::optional<Problem> WriteString(std::string_view section, std::string_view key,
                                                   std::string_view value) const;
  [[nodiscard]] std::optional<Problem> WriteInteger(std::string_view section, std::string_view key,
                                                    std::int32_t value) const;

 private:
  std::string path_;
};

// The text of an INI file with the key set in the section, which are added when missing; every
// other line stays as it was, a leading UTF-8 byte order mark included. IniFile::WriteString
// writes the same bytes into the file.
std::string WithIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::string_view value);

// The value of the first matching key in the first matching section of an INI file's text.
std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// Decimal with an optional sign, or hexadecimal after "$", "0x" or "0X" but not after a lone "x"
// (see ParseInt32). Nothing for anything else, including values outside 32 bits.
std::optional<std::int32_t> ParseProfileInteger(std::string_view text);

}  // namespace tintara
