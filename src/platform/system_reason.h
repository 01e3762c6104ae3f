#pragma once

#include <string>

#include "platform/translation.h"

namespace tintara {

// What the program was doing with a path when a system call failed: the same error reads
// differently for a file that should be there and for one about to be made.
enum class FileAction { kOpening, kCreating };

// Why a system call on a file failed (its errno), in plain lower-case words for the end of a
// message: "the folder does not exist", "permission denied", "the disk is full". Every message
// about a file the system refused takes its reason from here.
std::string SystemReason(int error, FileAction action);

// The program's own refusals to replace an existing file, worded as the system's reasons are.
inline constexpr char kReadOnlyFile[] = N_("the file is read-only");
inline constexpr char kIsAFolder[] = N_("it is a folder");
inline constexpr char kNotARegularFile[] = N_("it is not a regular file");

}  // namespace tintara
