#include "files/safe_file_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "files/temp_file_guard.h"

namespace {

constexpr std::size_t kBufferBytes = 1 << 16;
// The random part of a temporary name (mkostemp's "XXXXXX").
constexpr std::size_t kTempRandomBytes = 6;

// What a save target is.
enum TargetKind : int { TARGET_NEW, TARGET_REGULAR, TARGET_REFUSED };

// The file a path finally names and what it is: a symbolic link is
// followed, so saving through a link replaces the file it points to. A
// dangling link, a link loop and anything but a regular file are refused.
TargetKind ResolveTarget(const std::string& path, std::string* target, struct stat* info) {
  *target = path;
  if (lstat(path.c_str(), info) != 0) return errno == ENOENT ? TARGET_NEW : TARGET_REFUSED;
  if (S_ISLNK(info->st_mode)) {
    char real[PATH_MAX];
    if (!realpath(path.c_str(), real) || stat(real, info) != 0) return TARGET_REFUSED;
    *target = real;
  }
  return S_ISREG(info->st_mode) ? TARGET_REGULAR : TARGET_REFUSED;
}

// The permission bits of a newly created file.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Give the new file the owner, group and permission bits of the file it
// replaces, as far as the process may (the bits last: a change of owner
// may clear some of them).
void TakeOverAttributes(int fd, const struct stat& old) {
  if (old.st_uid != geteuid() || old.st_gid != getegid()) {
    if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Not allowed: the new file stays the saver's own.
    }
  }
  fchmod(fd, old.st_mode & 07777);
}

// Remove temporary files of earlier saves of the same target that were
// killed before they could clean up: only names of exactly our pattern,
// regular files of this user, and none that a running save still holds
// (each save keeps a lock on its temporary file).
void RemoveStaleTemps(const std::string& folder, const std::string& name) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const int dirFd = dirfd(dir);
  while (const dirent* entry = readdir(dir)) {
    if (!IsSaveTempName(entry->d_name, name)) continue;
    const int fd = openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == geteuid() &&
        flock(fd, LOCK_EX | LOCK_NB) == 0) {
      unlinkat(dirFd, entry->d_name, 0);
    }
    close(fd);
  }
  closedir(dir);
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

bool IsNameChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

bool IsSaveTempName(std::string_view name, std::string_view target) {
  if (name.size() != target.size() + 2 + kTempRandomBytes || name[0] != '.' ||
      name.substr(1, target.size()) != target || name[target.size() + 1] != '.') {
    return false;
  }
  for (const char c : name.substr(target.size() + 2)) {
    if (!IsNameChar(c)) return false;
  }
  return true;
}

SafeFileWriter::~SafeFileWriter() { Discard(); }

bool SafeFileWriter::Open(std::string_view path) {
  Discard();
  error_ = SAFE_WRITE_FAILED;
  if (path.empty() || path.back() == '/') return false;
  struct stat old {};
  const TargetKind kind = ResolveTarget(std::string(path), &szTarget_, &old);
  if (kind == TARGET_REFUSED) return false;
  // A file that may not be written stays as it is, as if it were written
  // in place.
  if (kind == TARGET_REGULAR && access(szTarget_.c_str(), W_OK) != 0) return false;
  if (kind == TARGET_REGULAR && old.st_nlink > 1) {
    error_ = SAFE_WRITE_HARD_LINKED;
    return false;
  }
  const std::size_t slash = szTarget_.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : szTarget_.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? szTarget_ : szTarget_.substr(slash + 1);
  RemoveStaleTemps(folder, name);
  // A hidden name in the same folder, so the rename never crosses a file
  // system. Until it is registered, an interrupt waits.
  {
    TempGuardSignalBlock block;
    szTemp_ = folder + "." + name + ".XXXXXX";
    fd_ = mkostemp(szTemp_.data(), O_CLOEXEC);
    if (fd_ < 0) {
      szTemp_.clear();
      return false;
    }
    iGuardSlot_ = TempGuardRegister(szTemp_.c_str());
  }
  // The lock tells a later save that this file is not stale.
  flock(fd_, LOCK_EX | LOCK_NB);
  if (kind == TARGET_REGULAR) {
    TakeOverAttributes(fd_, old);
  } else {
    fchmod(fd_, NewFileMode());
  }
  buffer_.clear();
  buffer_.reserve(kBufferBytes);
  bFailed_ = false;
  error_ = SAFE_WRITE_OK;
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
  // The target may have been replaced by something else meanwhile: only a
  // regular file or no file at all is renamed over.
  struct stat now {};
  if (ok && lstat(szTarget_.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) ok = false;
  if (ok) ok = rename(szTemp_.c_str(), szTarget_.c_str()) == 0;
  ok = close(fd_) == 0 && ok;
  fd_ = -1;
  if (!ok) {
    Discard();
    return false;
  }
  szTemp_.clear();
  TempGuardRelease(iGuardSlot_);
  iGuardSlot_ = -1;
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
  TempGuardRelease(iGuardSlot_);
  iGuardSlot_ = -1;
  buffer_.clear();
}
