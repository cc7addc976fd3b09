// A real PostgreSQL 15 server, started for these tests in a temporary
// folder on a free port of 127.0.0.1 (as the postgres user when the tests
// run as root) and stopped at the end, reached through its ODBC driver and
// a user data source: a 20,000-row result with NULLs, quotes, non-ASCII
// text, numeric, date and timestamp columns, and the connect dialog's
// success and failure.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/notices.h"
#include "resources/string_table.h"
#include "sources/odbc_builder.h"
#include "sources/odbc_fetch.h"
#include "sources/odbc_login.h"
#include "sources/odbc_result.h"
#include "sources/odbc_sandbox.h"
#include "support/fresh_table.h"

namespace {

using odbc_test::TheSandbox;

constexpr const char* kBin = "/usr/lib/postgresql/15/bin/";

// A port nobody listens on now.
int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    close(fd);
    return -1;
  }
  close(fd);
  return ntohs(address.sin_port);
}

// The server of the test process.
class Server {
 public:
  Server() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cartovel-pg-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return;
    dir_ = pattern;
    port_ = FreePort();
    // The server refuses to run as root: it runs as the postgres user then.
    if (geteuid() == 0) {
      const passwd* user = getpwnam("postgres");
      if (!user || chown(dir_.c_str(), user->pw_uid, user->pw_gid) != 0) return;
      prefix_ = "runuser -u postgres -- ";
    }
    const std::string data = dir_ + "/data";
    started_ = Run(JoinCommand(kBin, "initdb -D ", data, " -U cartovel --auth=trust -E UTF8 --no-locale")) &&
               Run(JoinCommand(kBin, "pg_ctl -D ", data, " -l ", dir_, "/log -w -o \"-p ", std::to_string(port_), " -k ",
                               dir_, " -c listen_addresses=127.0.0.1\" start"));
  }
  ~Server() {
    if (started_) Run(JoinCommand(kBin, "pg_ctl -D ", dir_, "/data -m fast -w stop"));
    std::error_code ignored;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ignored);
  }
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  bool Started() const { return started_; }
  int Port() const { return port_; }

  // Run an SQL script with psql on the test database. True on success.
  bool Psql(const std::string& script) const {
    const std::string file = dir_ + "/script.sql";
    std::ofstream(file) << script;
    std::filesystem::permissions(file, std::filesystem::perms::all, std::filesystem::perm_options::add);
    return Run(JoinCommand(kBin, "psql -q -v ON_ERROR_STOP=1 -h 127.0.0.1 -p ", std::to_string(port_),
                           " -U cartovel -d postgres -f ", file));
  }

 private:
  template <class... Parts>
  static std::string JoinCommand(const Parts&... parts) {
    std::string out;
    (out.append(parts), ...);
    return out;
  }
  bool Run(const std::string& command) const {
    return std::system((prefix_ + command + " >>" + dir_ + "/commands.log 2>&1").c_str()) == 0;
  }

  std::string dir_;
  std::string prefix_;
  int port_ = -1;
  bool started_ = false;
};

Server& TheServer() {
  static Server server;
  return server;
}

constexpr const char* kDataSet =
    "CREATE TABLE measures (id integer, label text, amount numeric(12,2), day date, taken timestamp);\n"
    "INSERT INTO measures SELECT i,\n"
    "  CASE WHEN i % 7 = 0 THEN NULL WHEN i % 5 = 0 THEN 'O''Brien \"' || i || '\"'\n"
    "       ELSE 'Zürich 北京 ' || i END,\n"
    "  CASE WHEN i % 11 = 0 THEN NULL ELSE i * 1.25 END,\n"
    "  date '2020-01-01' + i,\n"
    "  timestamp '2020-01-01 00:00:00' + i * interval '1 minute'\n"
    "FROM generate_series(1, 20000) AS i;\n";

class OdbcPostgres : public ::testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() {
    TheSandbox();
    ASSERT_TRUE(TheServer().Started()) << "the PostgreSQL test server did not start";
    static bool loaded = TheServer().Psql(kDataSet);
    ASSERT_TRUE(loaded);
  }
  void SetUp() override {
    // A user data source for the server, as a user would write it.
    source_ = std::string("Pg") + (std::string(GetParam()).find("Unicode") != std::string::npos ? "U" : "A");
    std::ofstream ini(TheSandbox().Dir() / "odbc.ini", std::ios::app);
    ini << "[" << source_ << "]\nDriver=" << GetParam() << "\nServername=127.0.0.1\nPort=" << TheServer().Port()
        << "\nDatabase=postgres\nUsername=cartovel\n\n";
  }
  std::string source_;
};

TEST_P(OdbcPostgres, TwentyThousandRowsWithNullsAndText) {
  OdbcHandles h;
  ASSERT_EQ(OdbcAllocate(h), 0);
  ASSERT_EQ(OdbcConnect(h, source_, "cartovel", ""), 0);
  // Every row through the reader.
  ASSERT_EQ(OdbcExecute(h, "SELECT id, label, amount, day, taken FROM measures ORDER BY id"), 0);
  std::vector<OdbcColumn> columns;
  ASSERT_EQ(OdbcDescribeResult(h, &columns), 0);
  ASSERT_EQ(columns.size(), 5u);
  OdbcRowReader reader;
  ASSERT_EQ(reader.Bind(h, columns, OdbcSupportsExtendedFetch(h.hDbc)), 0);
  int rows = 0;
  int nullLabels = 0;
  int nullAmounts = 0;
  while (reader.Next() == 1) {
    ++rows;
    nullLabels += !reader.Value(1).has_value();
    nullAmounts += !reader.Value(2).has_value();
    if (rows == 5) {
      EXPECT_EQ(*reader.Value(1), "O'Brien \"5\"");
    }
    if (rows == 6) {
      EXPECT_EQ(*reader.Value(1), "Zürich 北京 6");
      EXPECT_EQ(*reader.Value(2), "7.50");
      EXPECT_EQ(*reader.Value(3), "2020-01-07");
      EXPECT_EQ(*reader.Value(4), "2020-01-01 00:06:00");
    }
  }
  EXPECT_EQ(rows, 20000);
  EXPECT_EQ(nullLabels, 20000 / 7);
  EXPECT_EQ(nullAmounts, 20000 / 11);
  OdbcFreeStatement(h);

  // Into a table: as many rows as a table of five columns holds, the rest
  // reported.
  FreshTable t(OPEN_DATABASE);
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  ASSERT_EQ(OdbcFetchIntoTable(*t, h, "SELECT id, label, amount, day, taken FROM measures ORDER BY id"), 0);
  EXPECT_EQ(t->iLoadedRows, 16385);
  EXPECT_EQ(t.Shown(1, 2), "label");
  EXPECT_EQ(t.Shown(8, 2), "");  // id 7: NULL
  EXPECT_EQ(t.Shown(7, 2), "Zürich 北京 6");
  EXPECT_EQ(t.Shown(12, 3), "");  // id 11: NULL
  EXPECT_EQ(t.Shown(16384, 1), "16383");
  const std::vector<Notice> notices = scope.Take();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText, Text(TXT_ODBC_MEMORY_OVERFLOW));
  OdbcCloseHandles(h);
}

// "Connect Database": the success message only after a connect that
// worked; a wrong port is reported with the driver's message.
TEST_P(OdbcPostgres, ConnectSaysSuccessOnlyWhenConnected) {
  OdbcConnectModel model;
  model.sources = OdbcListDataSources();
  int index = -1;
  for (std::size_t i = 0; i < model.sources.size(); ++i) {
    if (model.sources[i].szName == source_) index = static_cast<int>(i);
  }
  ASSERT_GE(index, 0);
  NoticeScope scope(NOTICES_TO_STANDARD_ERROR);
  ASSERT_EQ(OdbcConnectChoose(model, index), 0);
  EXPECT_EQ(model.tables, std::vector<std::string>{"measures"});
  ASSERT_EQ(OdbcConnectAccept(model), 0);
  std::vector<Notice> notices = scope.Take();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szText, Text(TXT_ODBC_CONNECTED));
  EXPECT_EQ(notices[0].szCaption, source_ + " <- " + GetParam());
  EXPECT_EQ(OdbcQuery().szSource, source_);

  model.sources[static_cast<std::size_t>(index)].szName = "NoSuchSource";
  EXPECT_EQ(OdbcConnectAccept(model), -1);
  notices = scope.Take();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].szText.find(Text(TXT_ODBC_CONNECT_FAILED)), std::string::npos);
  EXPECT_EQ(OdbcQuery().szSource, source_);
}

INSTANTIATE_TEST_SUITE_P(Drivers, OdbcPostgres, ::testing::Values("PostgreSQL Unicode", "PostgreSQL ANSI"));

}  // namespace
