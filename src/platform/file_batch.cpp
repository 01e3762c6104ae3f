#include "platform/file_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <utility>

namespace tintara {
namespace {

// One folder of each file system the files lie on, to sync that file system through.
std::map<dev_t, std::string> FoldersByFileSystem(const std::vector<StagedFile>& files) {
  std::map<dev_t, std::string> folders;
  for (const StagedFile& file : files) {
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) return {};
    folders.try_emplace(st.st_dev, file.temp.substr(0, file.temp.rfind('/') + 1));
  }
  return folders;
}

// syncfs writes every file's data and every new entry of the file system out at once, where a
// sync a file would make the journal commit once a file.
bool SyncFileSystems(const std::map<dev_t, std::string>& folders) {
  for (const auto& [device, folder] : folders) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = ::syncfs(fd) == 0;
    ::close(fd);
    if (!synced) return false;
  }
  return true;
}

}  // namespace

FileBatch::~FileBatch() {
  for (StagedFile& file : staged_) Discard(file);
}

bool FileBatch::Stage(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::optional<StagedFile> staged = StageFile(path, bytes);
  if (!staged) return false;
  Add(std::move(*staged));
  return true;
}

void FileBatch::Add(StagedFile staged) { staged_.push_back(std::move(staged)); }

std::vector<bool> FileBatch::Commit() {
  std::vector<bool> renamed(staged_.size(), false);
  const std::map<dev_t, std::string> folders = FoldersByFileSystem(staged_);
  // The files stay open until they are in place: a file without a name is named through its
  // descriptor.
  const bool synced = (!folders.empty() || staged_.empty()) && SyncFileSystems(folders);
  if (synced) {
    for (std::size_t i = 0; i < staged_.size(); ++i) renamed[i] = PlaceStagedFile(staged_[i]);
  }
  for (std::size_t i = 0; i < staged_.size(); ++i) {
    if (renamed[i]) {
      renamed[i] = ::close(std::exchange(staged_[i].fd, -1)) == 0;
    } else {
      Discard(staged_[i]);
    }
  }
  // The new names reach the disk too before the batch counts as written.
  if (synced && !SyncFileSystems(folders)) renamed.assign(renamed.size(), false);
  staged_.clear();
  return renamed;
}

}  // namespace tintara
