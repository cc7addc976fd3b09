#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/dialogs.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "sources/netcdf_library.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"

namespace {

// A library exporting every entry point name but `missing`, as functions
// that do nothing; built with the system's C compiler, without libnetcdf.
std::string BuildStubLibrary(const TempDir& dir, std::string_view missing) {
  std::string source;
  for (int i = 0; i < NETCDF_ENTRY_COUNT; ++i) {
    if (NetcdfEntryName(i) != missing) source += JoinText("int ", NetcdfEntryName(i), "(void) { return -1; }\n");
  }
  dir.WriteFile("stub.c", source);
  const std::string library = dir.path() + "/libstub.so";
  const std::string command = JoinText("cc -shared -fPIC -o '", library, "' '", dir.path(), "/stub.c' 2>/dev/null");
  if (std::system(command.c_str()) != 0) return {};
  return library;
}

class NetcdfLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { StartHeadlessProgram(); }
  void TearDown() override {
    script_.Check();
    EndHeadlessProgram();
  }
  DialogScriptGuard script_;
  TempDir dir_;
};

// Every name the library must have is looked up, and the first one missing
// is named; a library lacking an entry point the reader never calls is
// refused all the same, and the binding in use stays.
TEST_F(NetcdfLibraryTest, MissingEntryPointIsNamedAndRefused) {
  const struct {
    const char* szMissing;
    const char* szText;
  } cases[] = {
      {"nc_get_var1_long", "Hand = NULL, PlugInLib->fpCallDLL_nc_get_var1_long()"},
      {"nc_open", "Hand = NULL, PlugInLib->fpCallDLL_nc_open()"},
      {"nc_get_att_text", "Hand = NULL, PlugInLib->fpCallDLL_nc_get_att_text()"},
  };
  ASSERT_EQ(NetcdfLoadSystemLibrary(), 0);
  const NetcdfApi* before = NetcdfLibrary();
  ASSERT_NE(before, nullptr);
  const auto open = before->nc_open;
  for (const auto& c : cases) {
    TempDir dir;
    const std::string library = BuildStubLibrary(dir, c.szMissing);
    if (library.empty()) GTEST_SKIP() << "no C compiler";
    NoticeScope scope;
    EXPECT_EQ(NetcdfLoadLibraryFile(library), -1) << c.szMissing;
    const std::vector<Notice> notices = scope.Take();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].szCaption, "Error Message");
    EXPECT_EQ(notices[0].szText, c.szText);
    ASSERT_NE(NetcdfLibrary(), nullptr);
    EXPECT_EQ(NetcdfLibrary()->nc_open, open);
  }
}

// The system's library is found by its soname and gives working entry
// points; a file that is no library, or no file chosen, gives the messages
// of the load.
TEST_F(NetcdfLibraryTest, SystemLibraryAndLoadFailures) {
  ASSERT_EQ(NetcdfLoadSystemLibrary(), 0);
  const NetcdfApi* api = NetcdfLibrary();
  ASSERT_NE(api, nullptr);
  int id = -1;
  ASSERT_EQ(api->nc_open("/work/shared/data/netcdf/netcdf-c-cdl-generated/simple_xy_classic.nc", NC_NOWRITE, &id),
            NC_NOERR);
  int dims = 0;
  EXPECT_EQ(api->nc_inq_ndims(id, &dims), NC_NOERR);
  EXPECT_EQ(dims, 2);
  api->nc_close(id);

  dir_.WriteFile("not-a-library.so", "plain text");
  {
    NoticeScope scope;
    EXPECT_EQ(NetcdfLoadLibraryFile(dir_.path() + "/not-a-library.so"), -1);
    const std::vector<Notice> notices = scope.Take();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].szCaption, "Message");
    EXPECT_EQ(notices[0].szText, "Error = LoadNetCDF_DLL_Library()");
  }
  {
    DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
    NoticeScope scope;
    EXPECT_EQ(NetcdfLoadLibrary(WindowHandle::None), -1);
    const std::vector<Notice> notices = scope.Take();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].szText, "Error = GetDLLFileName( hWnd, 'dll' )");
    ASSERT_FALSE(DialogScriptShown().empty());
    const ShownDialog& shown = DialogScriptShown().back();
    ASSERT_EQ(shown.filters.size(), 1u);
    EXPECT_EQ(shown.filters[0].szPattern, "*.so;*.so.*");
    EXPECT_NE(shown.szStartDir.find("/lib"), std::string::npos);
  }
  {
    DialogScriptPush(AnswerOpenFile("/usr/lib/x86_64-linux-gnu/libnetcdf.so.19"));
    NoticeScope scope;
    EXPECT_EQ(NetcdfLoadLibrary(WindowHandle::None), 0);
    EXPECT_TRUE(scope.Take().empty());
    EXPECT_NE(NetcdfLibrary(), nullptr);
  }
}

}  // namespace
