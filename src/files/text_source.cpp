#include "files/text_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

TextSource::~TextSource() {
  if (fd_ >= 0) close(fd_);
}

int TextSource::Open(const std::string& path) {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  pMemory_ = nullptr;
  iSize_ = 0;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return -1;
  }
  fd_ = fd;
  iSize_ = static_cast<std::int64_t>(info.st_size);
  return 0;
}

void TextSource::UseMemory(std::string_view bytes) {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  pMemory_ = bytes.data();
  iSize_ = static_cast<std::int64_t>(bytes.size());
}

std::int64_t TextSource::Read(std::int64_t offset, char* buffer, std::size_t n, const char** bytes) const {
  *bytes = buffer;
  if (offset < 0) return -1;
  if (offset >= iSize_ || n == 0) return 0;
  const std::int64_t left = iSize_ - offset;
  if (static_cast<std::int64_t>(n) > left) n = static_cast<std::size_t>(left);
  if (pMemory_) {
    *bytes = pMemory_ + offset;
    return static_cast<std::int64_t>(n);
  }
  if (fd_ < 0) return -1;
  std::size_t got = 0;
  while (got < n) {
    const ssize_t r = pread(fd_, buffer + got, n - got, static_cast<off_t>(offset + static_cast<std::int64_t>(got)));
    if (r < 0) {
      if (errno == EINTR) continue;
      return -1;
    }
    if (r == 0) break;  // the file became shorter
    got += static_cast<std::size_t>(r);
  }
  return static_cast<std::int64_t>(got);
}
