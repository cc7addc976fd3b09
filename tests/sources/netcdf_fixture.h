// Test support for the NetCDF reader: the system's netCDF library, table
// windows opened on real files and on small files made with ncgen, and
// scripted answers of the "NetCDF file option" dialog.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "files/text_import.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "sources/netcdf_choice.h"
#include "sources/netcdf_library.h"
#include "sources/netcdf_open.h"
#include "support/dialog_script_guard.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

inline const std::string kNetcdfData = "/work/shared/data/netcdf/";

// The variables to choose, by level (D1 first); each level's dimension is
// the one its first variable has at that position.
using LevelNames = std::vector<std::vector<std::string>>;

// Choose variables in a choice model as a user would in the lists.
inline void ChooseVariables(NetcdfChoiceModel& model, const LevelNames& levels) {
  for (std::size_t l = 0; l < levels.size(); ++l) {
    if (levels[l].empty()) continue;
    const int first = NetcdfVariableIndex(*model.pCatalogue, levels[l].front());
    ASSERT_GE(first, 0) << levels[l].front();
    const NetcdfVariable& var = model.pCatalogue->vars[static_cast<std::size_t>(first)];
    const int dim = NetcdfDimensionIndex(*model.pCatalogue, var.iDimIds[l]);
    if (model.iLevelDim[l] != dim) NetcdfSetLevelDimension(model, static_cast<int>(l), dim);
    std::vector<int> chosen;
    for (const std::string& name : levels[l]) chosen.push_back(NetcdfVariableIndex(*model.pCatalogue, name));
    NetcdfSetLevelSelection(model, static_cast<int>(l), chosen);
  }
}

// The answer of the option dialog: choose `levels`, then `extra` on the model.
inline ScriptedAnswer AnswerVariables(LevelNames levels, std::function<void(NetcdfChoiceModel&)> extra = {}) {
  return AnswerDialog("NetCDF file option", [levels, extra](DialogRequest& request) {
    auto* model = dynamic_cast<NetcdfChoiceModel*>(request.pModel);
    if (!model) return static_cast<int>(BUTTON_CANCEL);
    ChooseVariables(*model, levels);
    if (extra) extra(*model);
    return static_cast<int>(BUTTON_OK);
  });
}

class NetcdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartHeadlessProgram();
    NetcdfInstallReader();
    if (NetcdfLoadSystemLibrary() != 0) GTEST_SKIP() << "no system netCDF library";
  }
  void TearDown() override {
    if (!IsNone(table_)) DestroyWindowOf(table_);
    script_.Check();
    EXPECT_EQ(TableLocksHeld(), 0);
    EndHeadlessProgram();
  }

  // Open `path` into a new table window; the notices it reported.
  std::vector<Notice> Open(const std::string& path, int* status = nullptr) {
    if (!IsNone(table_)) DestroyWindowOf(table_);
    table_ = CreateHeadlessTable(OPEN_NETCDF, path);
    NoticeScope scope;
    const int result = TextImportOpen(table_, path);
    if (status) *status = result;
    return scope.Take();
  }

  // A file made by ncgen from CDL text in the test's folder.
  std::string Ncgen(std::string_view name, std::string_view cdl, std::string_view format = "-k nc3") {
    const std::string cdlPath = dir_.path() + "/" + std::string(name) + ".cdl";
    const std::string ncPath = dir_.path() + "/" + std::string(name) + ".nc";
    dir_.WriteFile(std::string(name) + ".cdl", cdl);
    const std::string command = JoinText("ncgen ", format, " -o '", ncPath, "' '", cdlPath, "'");
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return ncPath;
  }

  std::string Cell(int row, int col) const { return TableCellDisplayText(table_, row, col); }
  int Rows() const {
    TableLockGuard t(table_);
    return t ? t->iRows : 0;
  }

  // The last row with a non-empty cell in column `col`.
  int LastRow(int col) const {
    TableLockGuard t(table_);
    if (!t) return 0;
    int last = 0;
    for (int r = 1; r < t->iRows; ++r) {
      if (!TableCellDisplayText(*t.get(), r, col).empty()) last = r;
    }
    return last;
  }

  DialogScriptGuard script_;
  TempDir dir_;
  WindowHandle table_{};
};
