#include "platform/folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/filled_text.h"
#include "platform/shown_text.h"
#include "platform/system_reason.h"
#include "platform/translation.h"

namespace tintara {

std::optional<Problem> MakeFolderToWriteInto(const std::string& folder) {
  const std::filesystem::path whole = folder.empty() ? "." : folder;
  // A folder at a time, so that the message names the one that could not be made.
  std::filesystem::path made;
  for (const std::filesystem::path& part : whole) {
    made /= part;
    if (::mkdir(made.c_str(), 0777) == 0) continue;
    const int error = errno;
    std::error_code ignored;
    if (error == EEXIST && std::filesystem::is_directory(made, ignored)) continue;
    const std::string why = error == EEXIST ? Tr("a file stands in its place")
                                            : SystemReason(error, FileAction::kCreating);
    return Problem{Filled(Tr("Cannot create folder %s: %s"), {ShownText(made.string()), why}),
                   made.string()};
  }
  // Root may write into any folder but one on a read-only file system, and so may this check.
  if (::access(whole.c_str(), W_OK | X_OK) != 0) {
    return Problem{Filled(Tr("Cannot write into folder %s: %s"),
                          {ShownText(whole.string()), SystemReason(errno, FileAction::kCreating)}),
                   whole.string()};
  }
  return std::nullopt;
}

}  // namespace tintara
