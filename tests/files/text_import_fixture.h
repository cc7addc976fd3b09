// Test support for the text import: table windows opened on generated
// files in a temporary folder, scripted dialogs, and generators of
// delimited text.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "files/sampling_detail.h"
#include "files/text_import.h"
#include "files/text_import_wizard.h"
#include "files/text_size.h"
#include "platform/text_buffer.h"
#include "platform/timers.h"
#include "shell/command_routes.h"
#include "shell/frame_window.h"
#include "shell/program_state.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

class TextImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    // Other tests in the binary may have replaced the commands: the command
    // table gives them back.
    InstallCommandRoutes();
    TextImportSetChunkBytes(0);
  }
  void TearDown() override {
    for (const WindowHandle table : tables_) DestroyWindowOf(table);
    TextImportSetChunkBytes(0);
    script_.Check();
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }

  std::string Path(std::string_view name) const { return dir_.path() + "/" + std::string(name); }
  void Write(std::string_view name, std::string_view bytes) const { dir_.WriteFile(name, bytes); }

  // A table window as "Open ..." creates it for `path` (its load timer
  // stopped: the tests import themselves), destroyed with the test.
  WindowHandle OpenTable(const std::string& path, int mode = OPEN_FILE) {
    const WindowHandle table = CreateTableWindow(TableOpenRequest{mode, path});
    EXPECT_FALSE(IsNone(table));
    StopTimer(table, TIMER_TABLE_LOAD);
    tables_.push_back(table);
    return table;
  }

  // Write `bytes` to `name` and import it into a new table; the result of
  // the import goes to *status when asked.
  WindowHandle Import(std::string_view name, std::string_view bytes, int* status = nullptr) {
    Write(name, bytes);
    const WindowHandle table = OpenTable(Path(name));
    const int result = TextImportOpen(table, Path(name));
    if (status) *status = result;
    return table;
  }

  // Answer the Text Import Wizard with a delimiter choice.
  void AnswerWizard(int delimiter, bool merge, std::string other = {}, std::string* preview = nullptr) {
    DialogScriptPush(AnswerDialog("Text Import Wizard", [=](DialogRequest& request) {
      auto* model = dynamic_cast<TextImportWizardModel*>(request.pModel);
      if (!model) return static_cast<int>(BUTTON_CANCEL);
      if (preview) *preview = model->szPreview;
      model->iDelimiter = delimiter;
      model->bMerge = merge ? 1 : 0;
      model->szOther = other;
      return static_cast<int>(BUTTON_OK);
    }));
  }

  static std::string Shown(WindowHandle table, int row, int col) { return TableCellDisplayText(table, row, col); }

  static std::string ReadBytes(const std::string& path) { return ReadFileBytes(path); }

  TempDir dir_;
  DialogScriptGuard script_;
  std::vector<WindowHandle> tables_;
};

// The text value of field `field` of line `line` (both from 1) in the
// generated files: the line times 100000 plus the field.
inline std::string FieldValue(long long line, long long field) { return std::to_string(line * 100000 + field); }

// `lines` lines of `fields` generated values joined by `separator`, each
// line ended by CR LF.
inline std::string GeneratedText(int lines, int fields, std::string_view separator = "\t") {
  std::string text;
  for (int line = 1; line <= lines; ++line) {
    for (int field = 1; field <= fields; ++field) {
      if (field > 1) text.append(separator);
      text.append(FieldValue(line, field));
    }
    text.append("\r\n");
  }
  return text;
}
