// Replacing a file without ever losing the old one: the new content goes
// to a temporary file in the same folder, which is flushed and then renamed
// over the old file. Until the rename the old file is untouched, so a
// failed write (no permission, disk full) leaves it as it was.
//
// Only a regular file, or a name that does not exist yet, is replaced. A
// symbolic link is followed to the file it names (a dangling one is
// refused); a device, a FIFO, a socket or a folder is refused and left
// alone. A file with several hard links is refused too: renaming over it
// would leave its other names showing the old content. The replacement
// keeps the permission bits of the old file and, where the process may
// set them, its owner and group.
//
// The temporary file is ".NAME.XXXXXX" beside the target. SIGINT and
// SIGTERM during a save remove it; one left by a process killed outright
// is removed by the next save of the same target.
#pragma once

#include <string>
#include <string_view>

// Why a writer could not be opened.
enum SafeWriteError : int {
  SAFE_WRITE_OK,
  SAFE_WRITE_FAILED,       // not a file that may be replaced, or no temporary file
  SAFE_WRITE_HARD_LINKED,  // the target has other names
};

class SafeFileWriter {
 public:
  SafeFileWriter() = default;
  ~SafeFileWriter();  // a writer never committed removes its temporary file
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Start replacing `path`: false (with Error() telling why) when it is not
  // a regular file or a new name, exists but may not be written, has other
  // hard links, or no temporary file can be created next to it (a missing
  // folder, no permission, a path too long).
  bool Open(std::string_view path);
  SafeWriteError Error() const { return error_; }
  // Append bytes (buffered); a failed write is remembered for Commit.
  void Append(std::string_view bytes);
  // Write what is buffered, flush it to disk when `durable`, and rename the
  // temporary file over the target. False (the target unchanged and the
  // temporary file removed) when any step failed.
  bool Commit(bool durable);

 private:
  bool Flush();
  void Discard();

  std::string szTarget_;
  std::string szTemp_;
  std::string buffer_;
  int fd_ = -1;
  int iGuardSlot_ = -1;
  bool bFailed_ = false;
  SafeWriteError error_ = SAFE_WRITE_OK;
};

// Whether `name` is a temporary file this writer makes for a target named
// `target` (without folders): "." target "." and six letters or digits.
bool IsSaveTempName(std::string_view name, std::string_view target);
