// Test support for the MODAS and stock history imports: table windows
// opened on small files written by the test, and scripted answers of the
// "Ocean MODAS data" dialog and the "Stock Data Import Wizard".
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "files/text_import.h"
#include "files/text_import_wizard.h"
#include "platform/notices.h"
#include "platform/timers.h"
#include "platform/window.h"
#include "sources/modas_import.h"
#include "sources/stock_import.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

class SourceImportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    ModasInstallReader();
    StockInstallReader();
  }
  void TearDown() override {
    for (const WindowHandle table : tables_) DestroyWindowOf(table);
    script_.Check();
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }

  std::string Path(std::string_view name) const { return dir_.path() + "/" + std::string(name); }

  // Open `path` in `mode` into a new table window; the notices it reported.
  std::vector<Notice> OpenPath(int mode, const std::string& path, int* status = nullptr) {
    table_ = CreateHeadlessTable(mode, path);
    tables_.push_back(table_);
    NoticeScope scope;
    const int result = TextImportOpen(table_, path);
    if (status) *status = result;
    return scope.Take();
  }
  // Write `bytes` as `name` and open it.
  std::vector<Notice> Open(int mode, std::string_view name, std::string_view bytes, int* status = nullptr) {
    dir_.WriteFile(name, bytes);
    return OpenPath(mode, Path(name), status);
  }

  // Answer the "Ocean MODAS data" dialog: depth list entries, items and,
  // when given, a position mode and the four area boxes.
  static void AnswerModas(std::vector<int> depths, std::vector<int> items, int position = MODAS_POSITION_INTEGER,
                          std::array<std::string, 4> area = {}) {
    DialogScriptPush(AnswerDialog(MODAS_DIALOG, [=](DialogRequest& request) {
      auto* model = dynamic_cast<ModasDialogModel*>(request.pModel);
      if (!model) return static_cast<int>(BUTTON_CANCEL);
      model->depths = depths;
      ModasRefillItems(*model);
      model->items = items;
      model->iPositionMode = position;
      model->szArea = area;
      return static_cast<int>(BUTTON_OK);
    }));
  }

  // Answer the "Stock Data Import Wizard" with options; the drop-down
  // entries it offered go to *entries when asked.
  static void AnswerStock(StockOptions options, std::vector<std::string>* entries = nullptr) {
    DialogScriptPush(AnswerDialog(STOCK_WIZARD, [=](DialogRequest& request) {
      auto* model = dynamic_cast<StockWizardModel*>(request.pModel);
      if (!model) return static_cast<int>(BUTTON_CANCEL);
      if (entries) *entries = model->fields;
      model->options = options;
      return static_cast<int>(BUTTON_OK);
    }));
  }

  // Answer the Text Import Wizard with a delimiter.
  static void AnswerWizard(int delimiter, bool merge) {
    DialogScriptPush(AnswerDialog("Text Import Wizard", [=](DialogRequest& request) {
      auto* model = dynamic_cast<TextImportWizardModel*>(request.pModel);
      if (!model) return static_cast<int>(BUTTON_CANCEL);
      model->iDelimiter = delimiter;
      model->bMerge = merge ? 1 : 0;
      return static_cast<int>(BUTTON_OK);
    }));
  }

  std::string Cell(int row, int col) const { return TableCellDisplayText(table_, row, col); }
  // The texts of row `row` from column 1 up to its last non-empty cell.
  std::vector<std::string> Row(int row) const {
    std::vector<std::string> texts;
    for (int col = 1; col < 60; ++col) texts.push_back(Cell(row, col));
    while (!texts.empty() && texts.back().empty()) texts.pop_back();
    return texts;
  }

  TempDir dir_;
  DialogScriptGuard script_;
  WindowHandle table_{};
  std::vector<WindowHandle> tables_;
};
