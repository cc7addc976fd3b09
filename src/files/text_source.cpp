#include "files/text_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/codepage.h"

namespace {

constexpr std::size_t kCopyBytes = 1 << 20;

// An unnamed temporary file, gone once closed: -1 when none can be made.
int OpenSpoolFile() {
  const char* dir = std::getenv("TMPDIR");
  const std::string folder = dir && *dir ? dir : "/tmp";
  int fd = open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) return fd;
  std::string name = folder + "/cartovel-text.XXXXXX";
  fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd >= 0) unlink(name.c_str());
  return fd;
}

// Write all of `bytes`; false on failure.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Read up to `n` bytes at the current position; -1 on failure.
ssize_t ReadSome(int fd, char* buffer, std::size_t n) {
  while (true) {
    const ssize_t r = read(fd, buffer, n);
    if (r < 0 && errno == EINTR) continue;
    return r;
  }
}

// Copy a stream to its end (at most `limit` bytes) into a temporary file.
// The temporary file, or -1.
int SpoolStream(int from, std::int64_t limit) {
  const int fd = OpenSpoolFile();
  if (fd < 0) return -1;
  std::string buffer(kCopyBytes, '\0');
  std::int64_t total = 0;
  while (total < limit) {
    const std::size_t want = static_cast<std::size_t>(std::min<std::int64_t>(limit - total, kCopyBytes));
    const ssize_t got = ReadSome(from, buffer.data(), want);
    if (got < 0 || (got > 0 && !WriteAll(fd, std::string_view(buffer.data(), static_cast<std::size_t>(got))))) {
      close(fd);
      return -1;
    }
    if (got == 0) break;
    total += got;
  }
  return fd;
}

// The code page a byte-order mark names ("UTF-16LE", "UTF-16BE"), or null.
const char* Utf16MarkCodePage(int fd) {
  unsigned char mark[2] = {0, 0};
  if (pread(fd, mark, 2, 0) != 2) return nullptr;
  if (mark[0] == 0xFF && mark[1] == 0xFE) return "UTF-16LE";
  if (mark[0] == 0xFE && mark[1] == 0xFF) return "UTF-16BE";
  return nullptr;
}

// Decode a UTF-16 file after its byte-order mark into a temporary UTF-8
// file (at most `limit` bytes of it). The temporary file, or -1.
int DecodeUtf16(int from, const char* codepage, std::int64_t limit) {
  Utf8Converter converter(codepage, 2);
  if (!converter.Ok()) return -1;
  const int fd = OpenSpoolFile();
  if (fd < 0) return -1;
  std::string buffer(kCopyBytes, '\0');
  std::string text;
  std::int64_t written = 0;
  std::int64_t at = 2;
  while (written < limit) {
    ssize_t got = pread(from, buffer.data(), buffer.size(), at);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      close(fd);
      return -1;
    }
    text.clear();
    converter.Convert(std::string_view(buffer.data(), static_cast<std::size_t>(got)), got == 0, &text);
    const std::size_t keep = static_cast<std::size_t>(std::min<std::int64_t>(limit - written, text.size()));
    if (!WriteAll(fd, std::string_view(text).substr(0, keep))) {
      close(fd);
      return -1;
    }
    written += static_cast<std::int64_t>(keep);
    if (got == 0) break;
    at += got;
  }
  return fd;
}

}  // namespace

TextSource::~TextSource() { Close(); }

void TextSource::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  pMemory_ = nullptr;
  iSize_ = 0;
  bDecoded_ = false;
}

int TextSource::Open(const std::string& path) {
  Close();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat info {};
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    close(fd);
    return -1;
  }
  // A stream, or a file that does not tell its size (one of /proc reports
  // none, yet has bytes): read it to its end.
  char probe = 0;
  if (!S_ISREG(info.st_mode) || (info.st_size == 0 && pread(fd, &probe, 1, 0) != 0)) {
    const int spool = SpoolStream(fd, TEXT_SOURCE_SPOOL_LIMIT + 1);
    close(fd);
    if (spool < 0) return -1;
    fd = spool;
  }
  if (const char* codepage = Utf16MarkCodePage(fd)) {
    const int decoded = DecodeUtf16(fd, codepage, TEXT_SOURCE_SPOOL_LIMIT + 1);
    close(fd);
    if (decoded < 0) return -1;
    fd = decoded;
    bDecoded_ = true;
  }
  if (fstat(fd, &info) != 0) {
    close(fd);
    return -1;
  }
  fd_ = fd;
  iSize_ = static_cast<std::int64_t>(info.st_size);
  return 0;
}

void TextSource::UseMemory(std::string_view bytes) {
  Close();
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
