#pragma once

#include <string>

namespace tintara {

// Named temporary files that an interrupted process must not leave behind. Where the file system
// has no unnamed files, a staged file has a name from the start; it is registered here until it is
// in its place or removed.

// Has SIGINT and SIGTERM remove every registered file before the process ends as it would have.
void RemoveTemporaryFilesOnInterrupt();

// A slot for the path, or -1 when all are taken (the file is then only not removed on a signal).
int RegisterTemporaryFile(const std::string& path);
void ForgetTemporaryFile(int slot);

// Removes every registered file, as the signal handler does; safe inside a signal handler.
void RemoveRegisteredTemporaryFiles();

}  // namespace tintara
