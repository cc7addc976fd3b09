// The command-line conversion: its arguments, and files converted end to
// end without a display.
#include "shell/convert_command.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "files/text_import_fixture.h"

#include "shell/program_state.h"
#include "support/headless_program.h"

namespace {

TEST(ConvertArguments, ReadsFilesAndOptions) {
  struct Case {
    std::vector<const char*> args;
    int result;
    char delimiter;
    bool merge;
  };
  const Case cases[] = {
      {{"in.csv", "out.orl"}, 0, '\t', false},
      {{"in.csv", "out.txt", "--delimiter", ","}, 0, ',', false},
      {{"in.csv", "out.txt", "--delimiter", "semicolon", "--merge-delimiters"}, 0, ';', true},
      {{"in.csv", "out.txt", "--merge-delimiters", "--delimiter", "space"}, 0, ' ', true},
      {{"in.csv", "out.txt", "--delimiter", "tab"}, 0, '\t', false},
      {{"in.csv"}, -1, '\t', false},
      {{}, -1, '\t', false},
      {{"in.csv", "out.txt", "--delimiter"}, -1, '\t', false},
      {{"in.csv", "out.txt", "--delimiter", "ab"}, -1, '\t', false},
      {{"in.csv", "out.txt", "--bogus"}, -1, '\t', false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"cartovel", "--convert"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    ConvertRequest request;
    std::string error;
    const int result = ParseConvertArguments(static_cast<int>(argv.size()), argv.data(), 2, &request, &error);
    EXPECT_EQ(result, c.result) << (c.args.empty() ? "" : c.args.back());
    if (result != 0) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(request.szIn, "in.csv");
    EXPECT_EQ(request.cDelimiter, c.delimiter);
    EXPECT_EQ(request.bMerge, c.merge);
  }
}

class ConvertTest : public ::testing::Test {
 protected:
  void SetUp() override { StartHeadlessProgram(); }
  void TearDown() override { EndHeadlessProgram(); }
  int Convert(const std::string& in, const std::string& out, char delimiter = '\t', bool merge = false) {
    ConvertRequest request;
    request.szIn = dir_.path() + "/" + in;
    request.szOut = dir_.path() + "/" + out;
    request.cDelimiter = delimiter;
    request.bMerge = merge;
    return RunConversion(request);
  }
  TempDir dir_;
  ScopedCurrentDir cwd_{dir_.path()};
};

// A comma-separated text becomes a table file and back; the formulas of a
// table file run again on the way.
TEST_F(ConvertTest, TextToTableFileAndBack) {
  dir_.WriteFile("in.csv", "a,b\r\n1,,2\r\n");
  EXPECT_EQ(Convert("in.csv", "plain.txt", ','), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/plain.txt"), "a\tb\t \r\n1\t \t2\r\n");
  EXPECT_EQ(Convert("in.csv", "merged.txt", ',', true), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/merged.txt"), "a\tb\r\n1\t2\r\n");

  dir_.WriteFile("sum.orl", "2\t3\t \r\nUser(+,-,x,/)\tR1C3\tRUN=\t-1\tR1C1+R1C2\r\n");
  EXPECT_EQ(Convert("sum.orl", "sum.txt"), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/sum.txt"), "2\t3\t5\r\n");
  EXPECT_EQ(Convert("sum.orl", "copy.orl"), 0);
  const std::string copy = ReadFileBytes(dir_.path() + "/copy.orl");
  EXPECT_EQ(copy.rfind("2\t3\t5\r\nUser(+,-,x,/)\tR1C3\tRUN=\t-1\tR1C1+R1C2\r\n", 0), 0u) << copy;
}

// Far more texts than the record's own pool slots: every one arrives.
TEST_F(ConvertTest, ThousandsOfTextsConvertWhole) {
  std::string csv;
  std::string expected;
  for (int row = 1; row <= 2000; ++row) {
    for (int col = 1; col <= 3; ++col) {
      const std::string text = "a long text for row " + std::to_string(row) + " and column " + std::to_string(col);
      csv += text + (col < 3 ? "," : "\r\n");
      expected += text + (col < 3 ? "\t" : "\r\n");
    }
  }
  dir_.WriteFile("texts.csv", csv);
  EXPECT_EQ(Convert("texts.csv", "texts.txt", ','), 0);
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/texts.txt"), expected);
}

// A conversion that had to leave data out says what and how much, one line
// a kind, and ends with status 3; the output is still written.
TEST_F(ConvertTest, DroppedDataGivesStatusThreeAndOneLineAKind) {
  std::string formulas;
  for (int i = 1; i <= 3001; ++i) {
    formulas += "User(+,-,x,/)\tR" + std::to_string(i % 2000 + 1) + "C" + std::to_string(i / 2000 + 2) +
                "\tRUN=\t-1\tR1C1+" + std::to_string(i) + "\r\n";
  }
  const std::string tooLong = "User(+,-,x,/)\tR1C3\tRUN=\t-1\t" + std::string(1000, '1') + "\r\n";
  std::string tall;
  for (int row = 1; row <= 16390; ++row) tall += std::to_string(row) + "\r\n";
  const struct {
    const char* name;
    std::string bytes;
    int status;
    std::vector<std::string> lines;
  } cases[] = {
      {"fine.orl", "1\t2\r\n", CONVERT_OK, {}},
      {"formulas.orl", "1\r\n" + formulas + "User(+,-,x,/)\tR2001C1\tRUN=\t-1\t1\r\n", CONVERT_DATA_DROPPED,
       {"1 formulas beyond the 3000 a table holds were not read",
        "1 formula, colour or style lines of cells beyond the table were not read"}},
      {"long.orl", "1\r\n" + tooLong, CONVERT_DATA_DROPPED, {"1 formulas longer than 999 characters were not read"}},
      {"tall.orl", tall, CONVERT_DATA_DROPPED,
       {"6 cells beyond the table's last row or column were not read"}},
      {"text.orl", "a\t" + std::string(1200, 'x') + "\r\n", CONVERT_DATA_DROPPED,
       {"1 cell texts longer than 999 bytes were cut to 999 bytes"}},
      {"text.txt", "a\t" + std::string(1200, 'x') + "\r\n", CONVERT_DATA_DROPPED,
       {"1 cell texts longer than 999 bytes were cut to 999 bytes"}},
  };
  for (const auto& c : cases) {
    dir_.WriteFile(c.name, c.bytes);
    testing::internal::CaptureStderr();
    const int status = Convert(c.name, "out.txt");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, c.status) << c.name << ": " << err;
    for (const std::string& line : c.lines) {
      EXPECT_NE(err.find("cartovel: " + dir_.path() + "/" + c.name + ": " + line + "\n"), std::string::npos)
          << c.name << ": " << err;
    }
    if (c.lines.empty()) {
      EXPECT_EQ(err, "") << c.name;
    }
    EXPECT_FALSE(ReadFileBytes(dir_.path() + "/out.txt").empty()) << c.name;
  }
}

// Inputs that do not tell their size are read to their end: a file of
// /proc and a FIFO.
TEST_F(ConvertTest, InputsOfUnknownSizeAreReadToTheirEnd) {
  ConvertRequest request;
  request.szIn = "/proc/self/mountinfo";
  request.szOut = dir_.path() + "/proc.txt";
  request.cDelimiter = ' ';
  EXPECT_EQ(RunConversion(request), CONVERT_OK);
  EXPECT_GT(ReadFileBytes(request.szOut).size(), 10u);

  ASSERT_EQ(mkfifo((dir_.path() + "/in.fifo").c_str(), 0600), 0);
  std::thread writer([path = dir_.path() + "/in.fifo"] {
    std::ofstream(path, std::ios::binary) << "1\t2\r\n3\t4\r\n";
  });
  request.szIn = dir_.path() + "/in.fifo";
  request.szOut = dir_.path() + "/fifo.txt";
  EXPECT_EQ(RunConversion(request), CONVERT_OK);
  writer.join();
  EXPECT_EQ(ReadFileBytes(request.szOut), "1\t2\r\n3\t4\r\n");
}

// Converting into something that is not a regular file is refused and
// leaves it alone.
TEST_F(ConvertTest, OutputThatIsNoRegularFileIsRefused) {
  dir_.WriteFile("in.txt", "1\t2\r\n");
  ASSERT_EQ(mkfifo((dir_.path() + "/out.fifo").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir_.path() + "/nowhere.txt", dir_.path() + "/dangling.txt");
  for (const char* out : {"out.fifo", "dangling.txt"}) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Convert("in.txt", out), CONVERT_FAILED) << out;
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Create file failed"), std::string::npos) << err;
  }
  struct stat info {};
  ASSERT_EQ(lstat((dir_.path() + "/out.fifo").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_TRUE(std::filesystem::is_symlink(dir_.path() + "/dangling.txt"));
  EXPECT_FALSE(std::filesystem::exists(dir_.path() + "/nowhere.txt"));
}

// The largest resident size of a conversion run in a child process: a
// sparse file of 6 GB reads in bounded memory, what fits is kept and the
// rest is reported.
TEST_F(ConvertTest, HugeSparseTableFileReadsInBoundedMemory) {
  const std::string big = dir_.path() + "/sparse.orl";
  {
    const int fd = open(big.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, "1\t2\r\n", 5), 5);
    ASSERT_EQ(ftruncate(fd, 6'000'000'000LL), 0);  // what truncate -s 6G makes
    close(fd);
  }
  int pipeFds[2];
  ASSERT_EQ(pipe(pipeFds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeFds[0]);
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, 2);
    // Measure this conversion alone: reset the peak resident size first.
    std::ofstream("/proc/self/clear_refs") << "5";
    ConvertRequest request;
    request.szIn = big;
    request.szOut = dir_.path() + "/sparse.txt";
    const int status = RunConversion(request);
    std::ifstream stats("/proc/self/status");
    std::string line;
    long peakKb = -1;
    while (std::getline(stats, line)) {
      if (line.rfind("VmHWM:", 0) == 0) peakKb = std::stol(line.substr(6));
    }
    const std::string report = std::to_string(status) + " " + std::to_string(peakKb);
    if (write(pipeFds[1], report.data(), report.size()) < 0) _exit(99);
    _exit(0);
  }
  close(pipeFds[1]);
  char buffer[64] = {};
  const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
  close(pipeFds[0]);
  int wstatus = 0;
  waitpid(child, &wstatus, 0);
  ASSERT_GT(got, 0);
  int status = -1;
  long peakKb = -1;
  ASSERT_EQ(std::sscanf(buffer, "%d %ld", &status, &peakKb), 2);
  EXPECT_EQ(status, CONVERT_DATA_DROPPED);
  EXPECT_GT(peakKb, 0);
  EXPECT_LT(peakKb, 200 * 1024) << "peak resident kB";
  EXPECT_EQ(ReadFileBytes(dir_.path() + "/sparse.txt").substr(0, 4), "1\t2\r");
}

// Temporary files of saves of `name` in a folder.
std::vector<std::string> SaveTemps(const std::string& dir, const std::string& name) {
  std::vector<std::string> temps;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    const std::string file = entry.path().filename();
    if (file.rfind("." + name + ".", 0) == 0) temps.push_back(file);
  }
  return temps;
}

// A signal sent to a child converter as soon as its save has begun: how
// the child ended (a wait status), or -1 when the save was over first.
int SignalDuringSave(const std::string& dir, const std::string& in, int sig) {
  const pid_t child = fork();
  if (child < 0) return -1;
  if (child == 0) {
    const int devnull = open("/dev/null", O_WRONLY);
    dup2(devnull, 2);
    ConvertRequest request;
    request.szIn = dir + "/" + in;
    request.szOut = dir + "/out.txt";
    _exit(RunConversion(request));
  }
  int wstatus = 0;
  while (waitpid(child, &wstatus, WNOHANG) == 0) {
    if (!SaveTemps(dir, "out.txt").empty()) {
      kill(child, sig);
      waitpid(child, &wstatus, 0);
      return WIFSIGNALED(wstatus) ? wstatus : -1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(50));
  }
  return -1;
}

// SIGINT and SIGTERM during a save remove the temporary file before the
// converter ends (by that signal); the old output stays whole. A save
// killed outright leaves its temporary file, which the next save of the
// same output removes.
TEST_F(ConvertTest, InterruptedSavesLeaveNoTemporaryFile) {
  dir_.WriteFile("big.txt", GeneratedText(2000, 370));
  dir_.WriteFile("out.txt", "old\r\n");
  for (const int sig : {SIGINT, SIGTERM, SIGKILL}) {
    int wstatus = -1;
    for (int attempt = 0; attempt < 10 && wstatus == -1; ++attempt) {
      dir_.WriteFile("out.txt", "old\r\n");
      wstatus = SignalDuringSave(dir_.path(), "big.txt", sig);
    }
    ASSERT_NE(wstatus, -1) << "no save was caught by signal " << sig;
    EXPECT_EQ(WTERMSIG(wstatus), sig);
    EXPECT_EQ(ReadFileBytes(dir_.path() + "/out.txt"), "old\r\n");
    if (sig != SIGKILL) {
      EXPECT_TRUE(SaveTemps(dir_.path(), "out.txt").empty()) << sig;
    } else {
      EXPECT_EQ(SaveTemps(dir_.path(), "out.txt").size(), 1u);
      dir_.WriteFile("small.txt", "1\r\n");
      EXPECT_EQ(Convert("small.txt", "out.txt"), CONVERT_OK);
      EXPECT_TRUE(SaveTemps(dir_.path(), "out.txt").empty());
    }
  }
}

TEST_F(ConvertTest, FailuresGiveANonZeroStatus) {
  EXPECT_EQ(Convert("missing.csv", "out.txt"), 1);
  dir_.WriteFile("in.csv", "1,2\r\n");
  EXPECT_EQ(Convert("in.csv", "no/such/folder/out.txt", ','), 1);
  EXPECT_FALSE(std::ifstream(dir_.path() + "/no/such/folder/out.txt").good());
}

}  // namespace
