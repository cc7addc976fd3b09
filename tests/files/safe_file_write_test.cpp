// Save targets: what the safe writer replaces, what it refuses and leaves
// alone, what it keeps of the old file, and the temporary files of earlier
// saves that were killed.
#include "files/safe_file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/headless_program.h"

namespace {

class SafeFileWriteTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir_.path() + "/" + name; }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  // Save `bytes` to `name`: true when the writer took it.
  bool Save(const std::string& name, const std::string& bytes, SafeWriteError* error = nullptr) const {
    SafeFileWriter out;
    const bool opened = out.Open(Path(name));
    if (error) *error = out.Error();
    if (!opened) return false;
    out.Append(bytes);
    return out.Commit(true);
  }
  static mode_t Mode(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
  }
  TempDir dir_;
};

// Only a regular file or a new name is written: a device, a FIFO, a
// socket-like node, a folder, a dangling link and a link loop are refused
// and stay what they were, with no temporary file left.
TEST_F(SafeFileWriteTest, RefusesTargetsThatAreNotRegularFiles) {
  ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0644), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(mknod(Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
  }
  std::filesystem::create_directory(Path("folder"));
  std::filesystem::create_symlink(Path("missing"), Path("dangling"));
  std::filesystem::create_symlink(Path("loop"), Path("loop"));
  std::filesystem::create_symlink(Path("fifo"), Path("to-fifo"));
  const std::vector<std::string> before = Files();
  for (const std::string name : {"fifo", "null", "folder", "dangling", "loop", "to-fifo"}) {
    if (name == "null" && !root) continue;
    const mode_t mode = Mode(Path(name));
    SafeWriteError error = SAFE_WRITE_OK;
    EXPECT_FALSE(Save(name, "data\r\n", &error)) << name;
    EXPECT_EQ(error, SAFE_WRITE_FAILED) << name;
    EXPECT_EQ(Mode(Path(name)), mode) << name << " was replaced";
  }
  EXPECT_EQ(Files(), before);
  EXPECT_FALSE(std::filesystem::exists(Path("missing")));
}

// A link to a regular file is followed: the file gets the new content and
// the link stays a link.
TEST_F(SafeFileWriteTest, FollowsALinkToARegularFile) {
  std::filesystem::create_directory(Path("real"));
  dir_.WriteFile("real/t.txt", "old");
  std::filesystem::create_symlink(Path("real/t.txt"), Path("link.txt"));
  ASSERT_TRUE(Save("link.txt", "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(Path("link.txt")));
  EXPECT_EQ(ReadFileBytes(Path("real/t.txt")), "new");
  EXPECT_EQ(Files(), (std::vector<std::string>{"link.txt", "real"}));
}

// The replacement keeps the old file's permission bits and owner; a new
// file gets the usual bits.
TEST_F(SafeFileWriteTest, KeepsPermissionsAndOwner) {
  dir_.WriteFile("kept.txt", "old");
  ASSERT_EQ(chmod(Path("kept.txt").c_str(), 0640), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(Path("kept.txt").c_str(), 4321, 8765), 0);
  }
  ASSERT_TRUE(Save("kept.txt", "new"));
  struct stat info {};
  ASSERT_EQ(stat(Path("kept.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, 4321u);
    EXPECT_EQ(info.st_gid, 8765u);
  }
  EXPECT_EQ(ReadFileBytes(Path("kept.txt")), "new");

  const mode_t mask = umask(022);
  ASSERT_TRUE(Save("fresh.txt", "x"));
  umask(mask);
  ASSERT_EQ(stat(Path("fresh.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

// A file with a second hard link is refused: both names keep the old
// content.
TEST_F(SafeFileWriteTest, RefusesAFileWithOtherHardLinks) {
  dir_.WriteFile("one.txt", "old");
  ASSERT_EQ(link(Path("one.txt").c_str(), Path("two.txt").c_str()), 0);
  SafeWriteError error = SAFE_WRITE_OK;
  EXPECT_FALSE(Save("one.txt", "new", &error));
  EXPECT_EQ(error, SAFE_WRITE_HARD_LINKED);
  EXPECT_EQ(ReadFileBytes(Path("one.txt")), "old");
  EXPECT_EQ(ReadFileBytes(Path("two.txt")), "old");
  EXPECT_EQ(Files(), (std::vector<std::string>{"one.txt", "two.txt"}));
}

// Temporary files of killed saves of the same target go with the next
// save; names that only look alike, other targets' files and a file that
// a running save holds stay.
TEST_F(SafeFileWriteTest, RemovesStaleTemporaryFilesOfTheTargetOnly) {
  const std::vector<std::string> stale = {".t.orl.a1B2c3", ".t.orl.ZZZZZZ"};
  const std::vector<std::string> others = {".t.orl.a1B2c", ".t.orl.a1B2c34", ".t.orl.a1B-c3", ".u.orl.a1B2c3",
                                           "t.orl.a1B2c3", ".t.orl.held01"};
  for (const std::string& name : stale) dir_.WriteFile(name, "left by a killed save");
  for (const std::string& name : others) dir_.WriteFile(name, "not ours");
  const int held = open(Path(".t.orl.held01").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  ASSERT_TRUE(Save("t.orl", "new"));
  close(held);
  std::vector<std::string> expected = others;
  expected.push_back("t.orl");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Files(), expected);
}

TEST(SaveTempName, MatchesOurPatternExactly) {
  EXPECT_TRUE(IsSaveTempName(".a.txt.Ab3dE9", "a.txt"));
  EXPECT_FALSE(IsSaveTempName(".a.txt.Ab3dE", "a.txt"));
  EXPECT_FALSE(IsSaveTempName(".a.txt.Ab3dE9x", "a.txt"));
  EXPECT_FALSE(IsSaveTempName(".a.txt_Ab3dE9", "a.txt"));
  EXPECT_FALSE(IsSaveTempName(".b.txt.Ab3dE9", "a.txt"));
  EXPECT_FALSE(IsSaveTempName(".a.txt.Ab3d.9", "a.txt"));
}

}  // namespace
