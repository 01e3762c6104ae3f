#pragma once

#include <sys/types.h>

#include <string>

namespace tintara {

// What a signal that ends the process must not leave behind of the files being written: a staged
// file's temporary name, and files put in their places together left half old, half new. Each file
// on its way is registered here, in fixed slots that the signal handler reads without allocating.

// Has SIGINT, SIGTERM and SIGHUP undo what is registered before the process ends as it would have.
void RemoveTemporaryFilesOnInterrupt();

// Which file a name stands for: a name is removed or renamed back only while it still names the
// file registered, never another that took its place.
struct FileNode {
  dev_t device = 0;
  ino_t inode = 0;
};

// A slot for a staged file, open as `fd`, before its temporary name exists, or -1 when all are
// taken (its name is then not removed on a signal). The handler learns the file's identity from
// the descriptor, which stays open until the slot is forgotten: writing pays no call for it.
int RegisterTemporaryFile(const std::string& temp, const std::string& target, int fd);
// Another name is to be tried for the file.
void RenameTemporaryFile(int slot, const std::string& temp);
void ForgetTemporaryFile(int slot);

// Files put in their places together by the thread that calls these. Until MarkPlaced, a signal
// handled on that thread puts every file of the group back as it was (see ExchangingTarget); one
// handled on another thread waits until the group is in place. Once a signal is ending the
// process, BeginPlacing never returns.
int BeginPlacing();
// Every file of the group is in its place: an interrupt from now on leaves them there.
void MarkPlaced(int group);
// The group's files are forgotten; the group may be used again.
void EndPlacing(int group);
// The file of the slot, in the group, is about to take its target's place by exchanging names
// with the file there (`old`, which keeps the temporary name), or by a rename where there is none;
// an interrupt before MarkPlaced puts the old file back, or removes the new one.
void ExchangingTarget(int slot, int group, const FileNode* old);

}  // namespace tintara
