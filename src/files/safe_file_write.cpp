#include "files/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;

// The file a path finally names: a symbolic link is followed, so saving
// through a link replaces the file it points to, not the link.
std::string ResolvedTarget(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char real[PATH_MAX];
  return realpath(path.c_str(), real) ? std::string(real) : path;
}

// The permission bits the new file gets: those of the file it replaces, or
// those of a newly created file.
mode_t TargetMode(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Flush the folder that holds `path`, so the rename itself is on disk.
void SyncFolder(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

SafeFileWriter::~SafeFileWriter() { Discard(); }

bool SafeFileWriter::Open(std::string_view path) {
  Discard();
  if (path.empty() || path.back() == '/') return false;
  szTarget_ = ResolvedTarget(std::string(path));
  // A file that may not be written stays as it is, as if it were written
  // in place.
  if (access(szTarget_.c_str(), F_OK) == 0 && access(szTarget_.c_str(), W_OK) != 0) return false;
  const std::size_t slash = szTarget_.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : szTarget_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? szTarget_ : szTarget_.substr(slash + 1);
  // A hidden name in the same folder, so the rename never crosses a file
  // system.
  szTemp_ = folder + "." + name + ".XXXXXX";
  fd_ = mkostemp(szTemp_.data(), O_CLOEXEC);
  if (fd_ < 0) {
    szTemp_.clear();
    return false;
  }
  fchmod(fd_, TargetMode(szTarget_));
  buffer_.clear();
  buffer_.reserve(kBufferBytes);
  bFailed_ = false;
  return true;
}

void SafeFileWriter::Append(std::string_view bytes) {
  if (fd_ < 0 || bFailed_) return;
  if (buffer_.size() + bytes.size() > kBufferBytes && !Flush()) return;
  if (bytes.size() >= kBufferBytes) {
    buffer_.assign(bytes);
    Flush();
    return;
  }
  buffer_.append(bytes);
}

bool SafeFileWriter::Flush() {
  std::size_t done = 0;
  while (done < buffer_.size()) {
    const ssize_t n = write(fd_, buffer_.data() + done, buffer_.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      bFailed_ = true;
      break;
    }
    done += static_cast<std::size_t>(n);
  }
  buffer_.clear();
  return !bFailed_;
}

bool SafeFileWriter::Commit(bool durable) {
  if (fd_ < 0) return false;
  bool ok = !bFailed_ && Flush();
  if (ok && durable) ok = fsync(fd_) == 0;
  ok = close(fd_) == 0 && ok;
  fd_ = -1;
  if (ok) ok = rename(szTemp_.c_str(), szTarget_.c_str()) == 0;
  if (!ok) {
    unlink(szTemp_.c_str());
    szTemp_.clear();
    return false;
  }
  szTemp_.clear();
  if (durable) SyncFolder(szTarget_);
  return true;
}

void SafeFileWriter::Discard() {
  if (fd_ >= 0) {
    close(fd_);
    fd_ = -1;
  }
  if (!szTemp_.empty()) {
    unlink(szTemp_.c_str());
    szTemp_.clear();
  }
  buffer_.clear();
}
