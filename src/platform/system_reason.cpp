#include "platform/system_reason.h"

#include <cctype>
#include <cerrno>
#include <system_error>

namespace tintara {

std::string SystemReason(int error, FileAction action) {
  switch (error) {
    case ENOENT:
      return action == FileAction::kOpening ? Tr("the file does not exist")
                                            : Tr("the folder does not exist");
    case EACCES:
    case EPERM:
      return Tr("permission denied");
    case ENOSPC:
    case EDQUOT:
      return Tr("the disk is full");
    case EISDIR:
      return Tr(kIsAFolder);
    case ENOTDIR:
      return Tr("a part of the path is not a folder");
    case EROFS:
      return Tr("the file system is read-only");
    default:
      break;
  }
  // The C library's words, which unlike strerror are safe on several threads.
  std::string words = std::generic_category().message(error);
  if (!words.empty()) {
    words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
  }
  return words;
}

}  // namespace tintara
