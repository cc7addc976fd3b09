#include "platform/private_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The folder made for this process, empty until made.
std::string& FolderPath() {
  static std::string path;
  return path;
}

// mkdtemp/mkstemp take a writable template ending in XXXXXX.
std::string Template(std::string_view prefix) { return std::string(prefix) + "XXXXXX"; }

}  // namespace

std::string PrivateFolderRoot() {
  const char* root = std::getenv("TMPDIR");
  std::string path = root && *root ? root : "/tmp";
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string PrivateFolder() {
  std::string& path = FolderPath();
  if (!path.empty()) return path;
#if defined(_WIN32)
  std::error_code error;
  std::filesystem::path made = std::filesystem::temp_directory_path(error) / "cartovel-private";
  if (error || !std::filesystem::create_directories(made, error)) return {};
  path = made.generic_string();
#else
  std::string name = Template(PrivateFolderRoot() + "/cartovel-");
  if (!mkdtemp(name.data())) return {};
  path = name;  // mkdtemp makes it with mode 0700
  static const bool removeAtExit = [] { return std::atexit(RemovePrivateFolder) == 0; }();
  (void)removeAtExit;
#endif
  return path;
}

std::string CreatePrivateFile(std::string_view stem) {
  const std::string folder = PrivateFolder();
  if (folder.empty()) return {};
  std::string name = Template(folder + "/" + std::string(stem) + "-");
#if defined(_WIN32)
  if (_mktemp_s(name.data(), name.size() + 1) != 0) return {};
  std::FILE* file = std::fopen(name.c_str(), "wbx");
  if (!file) return {};
  std::fclose(file);
#else
  const int fd = mkstemp(name.data());  // O_EXCL, mode 0600
  if (fd < 0) return {};
  close(fd);
#endif
  return name;
}

void RemovePrivateFolder() {
  std::string& path = FolderPath();
  if (path.empty()) return;
  std::error_code error;
  std::filesystem::remove_all(path, error);
  path.clear();
}
