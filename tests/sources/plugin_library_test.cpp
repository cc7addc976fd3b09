#include <gtest/gtest.h>

#include <string>

#include "platform/dialogs.h"
#include "platform/notices.h"
#include "resources/language.h"
#include "sources/plugin_dialog.h"
#include "sources/plugin_library.h"
#include "sources/plugin_fixture.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"

namespace {

class PluginLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { StartHeadlessProgram(); }
  void TearDown() override {
    PluginUnload();
    LanguageSetChinese(false);
    script_.Check();
    EndHeadlessProgram();
  }
  // Load a file and return what it reported.
  static std::vector<Notice> Load(const std::string& path, int expected) {
    NoticeScope scope;
    EXPECT_EQ(PluginLoadFile(path), expected) << path;
    return scope.Take();
  }
  DialogScriptGuard script_;
};

// A plug-in with every export loads: it is initialised in the program's
// language, asked for its capacity, and known by its file name.
TEST_F(PluginLibraryTest, LoadInitialisesAndKeepsCapacity) {
  for (const bool chinese : {false, true}) {
    LanguageSetChinese(chinese);
    FixtureKnobs knobs(FixturePlugin("complete"));
    ASSERT_TRUE(knobs.ok());
    knobs.Reset();
    EXPECT_TRUE(Load(FixturePlugin("complete"), 0).empty());
    ASSERT_NE(PluginLoaded(), nullptr);
    EXPECT_EQ(PluginFileName(), "libplugin_fixture_complete.so");
    EXPECT_EQ(PluginCapacityOf().iRanges, 3);
    EXPECT_EQ(PluginCapacityOf().iRows, 200000);
    EXPECT_EQ(PluginCapacityOf().iCols, 5);
    EXPECT_EQ(knobs.Log(), chinese ? "init 1\ncapability\n" : "init 0\ncapability\n");
  }
}

// A library without one of the ten exports is refused naming it, a file
// that is no shared object gives the load error with the loader's reason on
// a second line, and either failure leaves no plug-in loaded, even when one
// was loaded before.
TEST_F(PluginLibraryTest, FailedLoadsReportAndClearTheBinding) {
  TempDir dir;
  dir.WriteFile("tools.dll", std::string("MZ\x90\0\x03\0\0\0\x04\0\0\0", 12) + std::string(200, '\0'));
  dir.WriteFile("notes.so", "just text\n");
  const struct {
    std::string szPath;
    const char* szCaption;
    const char* szStart;
  } cases[] = {
      {FixturePlugin("no_capability"), "Error Message", "Hand = NULL, PlugInLib->SetSpreadsheetCapabilityForResult()"},
      {dir.path() + "/tools.dll", "Message", "Error = LoadLibrary()\n"},
      {dir.path() + "/notes.so", "Message", "Error = LoadLibrary()\n"},
      {dir.path() + "/missing.so", "Message", "Error = LoadLibrary()\n"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(PluginLoadFile(FixturePlugin("complete")), 0);
    const std::vector<Notice> notices = Load(c.szPath, -1);
    ASSERT_EQ(notices.size(), 1u) << c.szPath;
    EXPECT_EQ(notices[0].szCaption, c.szCaption);
    const std::string& text = notices[0].szText;
    EXPECT_EQ(text.substr(0, std::string(c.szStart).size()), c.szStart);
    if (text.back() != ')') {
      // The loader's reason names the file.
      EXPECT_NE(text.find(c.szPath), std::string::npos) << text;
    }
    EXPECT_EQ(PluginLoaded(), nullptr) << c.szPath;
    EXPECT_EQ(PluginFileName(), "");
  }
}

// Loading again looks up the new library before the old one is let go: a
// plug-in loaded twice from one file stays in memory with its state.
TEST_F(PluginLibraryTest, ReplacingKeepsTheLibraryUntilTheNewOneIsBound) {
  ASSERT_EQ(PluginLoadFile(FixturePlugin("complete")), 0);
  {
    FixtureKnobs knobs(FixturePlugin("complete"));
    knobs.Reset();
    knobs.Item(1, "kept");
  }
  ASSERT_EQ(PluginLoadFile(FixturePlugin("complete")), 0);
  FixtureKnobs knobs(FixturePlugin("complete"));
  EXPECT_EQ(knobs.Log(), "init 0\ncapability\n");
  // Another plug-in replaces it.
  ASSERT_EQ(PluginLoadFile(FixturePlugin("huge")), 0);
  EXPECT_EQ(PluginFileName(), "libplugin_fixture_huge.so");
}

// "Open plug-in": the library dialog offers shared objects; no file chosen
// gives the Part's message and keeps the plug-in loaded.
TEST_F(PluginLibraryTest, OpenDialogAndCancel) {
  ASSERT_EQ(PluginLoadFile(FixturePlugin("complete")), 0);
  DialogScriptPush(AnswerCancel(DIALOG_OPEN_FILE));
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(PluginLoad(WindowHandle::None), -1);
  ASSERT_EQ(DialogScriptShown().size(), 2u);
  ASSERT_EQ(DialogScriptShown()[0].filters.size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].filters[0].szName, "Plug In Library file (*.so)");
  EXPECT_EQ(DialogScriptShown()[1].szText, "Error = GetDLLFileName( hWnd, 'dll' )");
  EXPECT_NE(PluginLoaded(), nullptr);

  DialogScriptPush(AnswerOpenFile(FixturePlugin("huge")));
  EXPECT_EQ(PluginLoad(WindowHandle::None), 0);
  EXPECT_EQ(PluginFileName(), "libplugin_fixture_huge.so");
}

// "About Plug in" shows the description asked for with 1000 bytes, or the
// plug-in's error text; a description filling its buffer is cut at it.
TEST_F(PluginLibraryTest, AboutShowsDescriptionOrError) {
  const struct {
    const char* szVariant;
    std::string szText;
  } cases[] = {
      {"complete", "Fixture plug-in for tests"},
      {"failing", "GetDLLDescription failed"},
      {"oversized", std::string(999, 'x')},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(PluginLoadFile(FixturePlugin(c.szVariant)), 0);
    std::string shown;
    DialogScriptPush(AnswerDialog(PLUGIN_ABOUT_DIALOG_NAME, [&shown](DialogRequest& request) {
      shown = dynamic_cast<PluginAboutModel&>(*request.pModel).szText;
      return BUTTON_OK;
    }));
    EXPECT_EQ(PluginShowAbout(WindowHandle::None), 0);
    EXPECT_EQ(shown, c.szText) << c.szVariant;
  }
  PluginUnload();
  EXPECT_EQ(PluginShowAbout(WindowHandle::None), -1);
}

}  // namespace
