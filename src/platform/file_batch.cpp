#include "platform/file_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "platform/system_reason.h"

namespace tintara {
namespace {

Written Failed(int error) { return {SystemReason(error, FileAction::kCreating)}; }

// One folder of each file system the files lie on, to sync that file system through; asked once
// a folder, since a batch mostly writes into one.
Expected<std::map<dev_t, std::string>> FoldersByFileSystem(const std::vector<StagedFile>& files) {
  std::map<dev_t, std::string> folders;
  std::set<std::string> seen;
  for (const StagedFile& file : files) {
    std::string folder = file.temp.substr(0, file.temp.rfind('/') + 1);
    if (!seen.insert(folder).second) continue;
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return Problem{Failed(errno).reason, file.target};
    folders.try_emplace(st.st_dev, std::move(folder));
  }
  return folders;
}

// syncfs writes every file's data and every new entry of the file system out at once, where a
// sync a file would make the journal commit once a file.
Written SyncFileSystems(const std::map<dev_t, std::string>& folders) {
  for (const auto& [device, folder] : folders) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Failed(errno);
    const int synced = ::syncfs(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (synced != 0) return Failed(synced);
  }
  return {};
}

}  // namespace

FileBatch::~FileBatch() {
  for (StagedFile& file : staged_) Discard(file);
}

void FileBatch::Add(std::vector<StagedFile> output) {
  for (StagedFile& file : output) staged_.push_back(std::move(file));
  outputEnds_.push_back(staged_.size());
}

std::vector<Written> FileBatch::Commit() {
  const Expected<std::map<dev_t, std::string>> folders = FoldersByFileSystem(staged_);
  // The files stay open until they are in place: a file without a name is named through its
  // descriptor.
  const Written synced = folders ? SyncFileSystems(*folders) : Written{folders.problem().message};
  std::vector<Written> renamed(staged_.size(), synced);
  if (synced) {
    // Each output as one, so that an interrupt leaves all its old files or all its new ones.
    std::size_t start = 0;
    for (const std::size_t end : outputEnds_) {
      Placement placement(std::span<StagedFile>(staged_).subspan(start, end - start));
      for (; start < end; ++start) renamed[start] = placement.PlaceNext();
    }
  }
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    if (!renamed[i]) {
      Discard(staged_[i]);
    } else if (::close(std::exchange(staged_[i].fd, -1)) != 0) {
      renamed[i] = Failed(errno);
    }
  }
  // The new names reach the disk too before the batch counts as written.
  if (synced) {
    if (Written named = SyncFileSystems(*folders); !named) renamed.assign(renamed.size(), named);
  }
  staged_.clear();
  outputEnds_.clear();
  return renamed;
}

}  // namespace tintara
