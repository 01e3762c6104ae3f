#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tintara {

// The whole file, or nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

// Writes into a temporary file in the target's directory and renames it over the target, so a
// failed write never leaves the old file half-overwritten. False when anything failed; the
// temporary file is then removed.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace tintara
