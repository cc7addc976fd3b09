// Replacing a file without ever losing the old one: the new content goes
// to a temporary file in the same folder, which is flushed and then renamed
// over the old file. Until the rename the old file is untouched, so a
// failed write (no permission, disk full) leaves it as it was.
#pragma once

#include <string>
#include <string_view>

class SafeFileWriter {
 public:
  SafeFileWriter() = default;
  ~SafeFileWriter();  // a writer never committed removes its temporary file
  SafeFileWriter(const SafeFileWriter&) = delete;
  SafeFileWriter& operator=(const SafeFileWriter&) = delete;

  // Start replacing `path`: false when the file exists but may not be
  // written, or no temporary file can be created next to it (a missing
  // folder, no permission, a path too long).
  bool Open(std::string_view path);
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
  bool bFailed_ = false;
};
