#include "sources/netcdf_fixture.h"

#include "platform/number_text.h"
#include "sources/netcdf_filters.h"
#include "sources/netcdf_image_dialog.h"
#include "sources/netcdf_read.h"

namespace {

const std::string kPresTemp = kNetcdfData + "netcdf-c-cdl-generated/pres_temp_4D_";

// The 4-D file, classic and netCDF-4: temperature chosen in D1 repeats in
// the rows of all other levels, pressure read at D4 gives one row per
// record combination.
TEST_F(NetcdfTest, FourDimensionsFlatInBothFormats) {
  for (const char* format : {"classic.nc", "nc4.nc"}) {
    DialogScriptPush(AnswerVariables({{"temperature", "pressure"}, {"pressure"}, {"pressure"}, {"pressure"}}));
    int status = -1;
    EXPECT_TRUE(Open(kPresTemp + format, &status).empty()) << format;
    ASSERT_EQ(status, 0) << format;
    EXPECT_EQ(Cell(1, 1), "temperature (celsius)");
    EXPECT_EQ(Cell(1, 2), "pressure (hPa)");
    EXPECT_EQ(LastRow(2), 1 + 2 * 2 * 6 * 12) << format;
    EXPECT_EQ(LastRow(1), 1 + 288);
    // time 0, level 0, latitude 0, longitude 0 .. 11, then latitude 1.
    EXPECT_EQ(Cell(2, 2), "900");
    EXPECT_EQ(Cell(13, 2), "911");
    EXPECT_EQ(Cell(14, 2), "912");
    EXPECT_EQ(Cell(289, 2), "1043");
    // temperature[t, 0, 0, 0] fills the 144 rows of each time record.
    EXPECT_EQ(Cell(2, 1), "9");
    EXPECT_EQ(Cell(145, 1), "9");
    EXPECT_EQ(Cell(146, 1), "9");
    {
      TableLockGuard t(table_);
      ASSERT_TRUE(t);
      const TableCell* cell = TableCellAt(*t.get(), 2, 2);
      ASSERT_NE(cell, nullptr);
      EXPECT_EQ(CellStyle(*cell), 33);
    }
  }
}

// Two levels of a small file: 4 D1 records, 5 D2 records, 20 rows, each D1
// value in 5 rows; sampled and ranged records pick the right indexes.
TEST_F(NetcdfTest, TwoLevelsWithRepeatsSamplesAndRanges) {
  const std::string path = Ncgen("two", R"(netcdf two {
dimensions: t = 4 ; x = 10 ;
variables: int t(t) ; int v(t, x) ;
data: t = 10, 20, 30, 40 ;
 v = 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
     20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39 ;
})");
  const struct {
    int iMode;
    const char* szSpacing;
    const char* szFirst;
    const char* szLast;
    int iRows;
    std::vector<std::string> firstRecord;  // v of the first t record
  } cases[] = {
      {NC_READ_ALL, "", "", "", 40, {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}},
      {NC_READ_SAMPLED, "3", "", "", 12, {"0", "3", "6"}},
      {NC_READ_RANGE, "", "8", "3", 24, {"2", "3", "4", "5", "6", "7"}},
  };
  for (const auto& c : cases) {
    DialogScriptPush(AnswerVariables({{"t", "v"}, {"v"}}, [&c](NetcdfChoiceModel& model) {
      NetcdfApplyReadMode(model, model.iLevelDim[1], c.iMode, c.szSpacing, c.szFirst, c.szLast);
    }));
    EXPECT_TRUE(Open(path).empty());
    const int per = static_cast<int>(c.firstRecord.size());
    EXPECT_EQ(LastRow(2), 1 + c.iRows) << c.iMode;
    for (int k = 0; k < per; ++k) {
      EXPECT_EQ(Cell(2 + k, 1), "10") << c.iMode;
      EXPECT_EQ(Cell(2 + k, 2), c.firstRecord[static_cast<std::size_t>(k)]) << c.iMode;
      EXPECT_EQ(Cell(2 + per + k, 1), "20") << c.iMode;
    }
  }
}

// A file of one dimension: record numbers first, then its position and
// time variables whether chosen or not, then the chosen ones.
TEST_F(NetcdfTest, SingleDimensionColumns) {
  const std::string path = Ncgen("one", R"(netcdf one {
dimensions: n = 3 ;
variables:
 float temp(n) ; temp:long_name = "sea_water temperature" ;
 float lon(n) ; lon:long_name = "longitude east" ;
 float lat(n) ; lat:long_name = "latitude north" ;
data: temp = 1.5, 2.5, 3.5 ; lon = 100, 101, 102 ; lat = -10, -11, -12 ;
})");
  DialogScriptPush(AnswerVariables({{"temp"}}));
  EXPECT_TRUE(Open(path).empty());
  const std::vector<std::string> headers = {"R#", "lat (latitude)", "lon (longitude)", "temp (sea)"};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(1, c + 1), headers[static_cast<std::size_t>(c)]);
  const std::vector<std::string> row3 = {"2", "-11", "101", "2.5"};
  for (int c = 0; c < 4; ++c) EXPECT_EQ(Cell(3, c + 1), row3[static_cast<std::size_t>(c)]);
  EXPECT_EQ(LastRow(1), 4);
}

// A 2-D variable in the image layout, either way round.
TEST_F(NetcdfTest, ImageLayoutBothWays) {
  const std::string path = kNetcdfData + "netcdf-c-cdl-generated/simple_xy_classic.nc";
  for (const bool swap : {false, true}) {
    DialogScriptPush(AnswerVariables({{"data"}, {"data"}}, [](NetcdfChoiceModel& model) { model.bImage = true; }));
    DialogScriptPush(AnswerDialog("Image data option", [swap](DialogRequest& request) {
      auto* model = dynamic_cast<NetcdfImageModel*>(request.pModel);
      if (swap) std::swap(model->iColumnDim, model->iRowDim);
      return static_cast<int>(BUTTON_OK);
    }));
    EXPECT_TRUE(Open(path).empty());
    EXPECT_EQ(Cell(1, 1), "0");
    if (!swap) {
      EXPECT_EQ(Cell(1, 12), "11");
      EXPECT_EQ(Cell(2, 1), "12");
      EXPECT_EQ(Cell(6, 12), "71");
      EXPECT_EQ(Cell(7, 1), "");
    } else {
      EXPECT_EQ(Cell(12, 1), "11");
      EXPECT_EQ(Cell(1, 2), "12");
      EXPECT_EQ(Cell(12, 6), "71");
      EXPECT_EQ(Cell(1, 7), "");
    }
  }
}

// Choosing the same dimension for both keeps the image dialog open; a
// cancel there reads nothing.
TEST_F(NetcdfTest, ImageDialogRefusesOneDimensionTwice) {
  const std::string path = kNetcdfData + "netcdf-c-cdl-generated/simple_xy_nc4.nc";
  DialogScriptPush(AnswerVariables({{"data"}, {"data"}}, [](NetcdfChoiceModel& model) { model.bImage = true; }));
  DialogScriptPush(AnswerDialog("Image data option", [](DialogRequest& request) {
    auto* model = dynamic_cast<NetcdfImageModel*>(request.pModel);
    model->iRowDim = model->iColumnDim;
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Image data option"));
  int status = 0;
  EXPECT_TRUE(Open(path, &status).empty());
  EXPECT_EQ(status, -1);
  EXPECT_EQ(Cell(1, 1), "");
}

// Argo profiles: dates from "days since 1950", fill values as "Missing",
// a character of a text variable, float values with their digits.
TEST_F(NetcdfTest, ArgoProfileDatesFillValuesAndCharacters) {
  const std::string path = kNetcdfData + "argo-profiles/R3901602_163.nc";
  DialogScriptPush(AnswerVariables({{"PLATFORM_NUMBER", "JULD", "TEMP_ADJUSTED", "PRES_ADJUSTED_ERROR"},
                                    {"TEMP_ADJUSTED", "PRES_ADJUSTED_ERROR"}}));
  EXPECT_TRUE(Open(path).empty());
  // Level 1 in file order, then level 2 in file order.
  EXPECT_EQ(Cell(1, 1), "PLATFORM_NUMBER (Float)");
  EXPECT_EQ(Cell(1, 2), "JULD (Julian)");
  EXPECT_EQ(Cell(2, 1), "3");
  EXPECT_EQ(Cell(2, 2), "2021-2-25 13:50:28");
  EXPECT_EQ(Cell(77, 2), "2021-2-25 13:50:28");
  int temp = 0;
  int error = 0;
  for (int c = 3; c <= 4; ++c) {
    if (Cell(1, c).rfind("TEMP_ADJUSTED ", 0) == 0) temp = c;
    if (Cell(1, c).rfind("PRES_ADJUSTED_ERROR ", 0) == 0) error = c;
  }
  ASSERT_NE(temp, 0);
  ASSERT_NE(error, 0);
  EXPECT_EQ(LastRow(temp), 77);
  EXPECT_EQ(Cell(2, temp), "10.63");
  EXPECT_EQ(Cell(3, temp), "10.625");
  for (int r = 2; r <= 77; ++r) ASSERT_EQ(Cell(r, error), "Missing") << r;
}

// Packed shorts are unpacked; a variable of more than four dimensions is
// refused with one message while the others are read.
TEST_F(NetcdfTest, PackedValuesAndDeepVariables) {
  const std::string path = Ncgen("packed", R"(netcdf packed {
dimensions: a = 2 ; b = 1 ; c = 1 ; d = 1 ; e = 1 ; f = 1 ;
variables:
 short p(a) ; p:scale_factor = 0.01 ; p:add_offset = 20. ; p:_FillValue = -999s ;
 short u(a) ; u:_Unsigned = "true" ;
 double m(a) ; m:missing_value = 1e20 ;
 byte deep(a, b, c, d, e, f) ;
data: p = 150, -999 ; u = -1, 7 ; m = 1e20, 1e-9 ; deep = 1, 2 ;
})");
  DialogScriptPush(AnswerVariables({{"p", "u", "m", "deep"}}));
  const std::vector<Notice> notices = Open(path);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].szCaption, "Error");
  EXPECT_EQ(notices[0].szText, "var->DimensionN");
  const std::vector<std::string> row2 = {"21.5", "65535", "Missing"};
  const std::vector<std::string> row3 = {"Missing", "7", "1.000000e-09"};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(Cell(2, c + 1), row2[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(Cell(3, c + 1), row3[static_cast<std::size_t>(c)]) << c;
  }
  EXPECT_EQ(Cell(1, 4), "");
}

// More records than rows: the table ends the read and the rest is counted,
// also for a dimension of 4.5 billion records.
TEST_F(NetcdfTest, OverflowIsCountedArithmetically) {
  const std::string path = Ncgen("huge", R"(netcdf huge {
dimensions: n = 4500000000LL ; m = 2 ;
variables: short v(n) ; short w(m, n) ;
})", "-k nc4");
  DialogScriptPush(AnswerVariables({{"v"}}));
  std::vector<Notice> notices = Open(path);
  ASSERT_EQ(notices.size(), 1u);
  const std::int64_t kept = Rows() - 2;
  EXPECT_EQ(notices[0].szText, JoinText("Table Row overflow ( ", FormatInt(4500000000LL - kept), " )"));
  EXPECT_EQ(Cell(1, 1), "v ()");
  EXPECT_EQ(Cell(2, 1), "Missing");
  EXPECT_EQ(Cell(Rows() - 1, 1), "Missing");

  // The image layout runs out of columns.
  DialogScriptPush(AnswerVariables({{"w"}, {"w"}}, [](NetcdfChoiceModel& model) { model.bImage = true; }));
  DialogScriptPush(AnswerDialog("Image data option", [](DialogRequest&) { return static_cast<int>(BUTTON_OK); }));
  notices = Open(path);
  ASSERT_EQ(notices.size(), 1u);
  std::int64_t cols = 0;
  {
    TableLockGuard t(table_);
    cols = t->iCols;
  }
  EXPECT_EQ(notices[0].szText,
            JoinText("Table Column overflow ( ", FormatInt(2 * (4500000000LL - (cols - 1))), " )"));
}

// Stations along a track: the area and time filters pass D1 records.
TEST_F(NetcdfTest, AreaAndTimeFilters) {
  const std::string path = Ncgen("track", R"(netcdf track {
dimensions: obs = 5 ; depth = 2 ;
variables:
 float lat(obs) ; float lon(obs) ; double time(obs) ; time:units = "days since 2000-01-01" ;
 float temp(obs, depth) ;
data: lat = 10, 11, 12, 13, 14 ; lon = 100, 101, 102, 103, _ ; time = 0, 1, 2, 3, 4 ;
 temp = 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 ;
})");
  struct Case {
    bool bArea;
    bool bTime;
    std::array<std::string, 4> boxes;  // latitude from, to; longitude from, to
    std::string szBegin;
    std::string szEnd;
    std::vector<std::string> temps;  // column of temp, from row 2
  };
  const Case cases[] = {
      {true, false, {"10.5", "20", "90", "110"}, "", "", {"3", "4", "5", "6", "7", "8"}},
      {false, true, {}, "2000-1-2+0:0:0#", "2000-1-3+12:0:0#", {"3", "4", "5", "6"}},
      {true, true, {"0", "90", "0", "180"}, "2000-1-4+0:0:0#", "2000-1-9+0:0:0#", {"7", "8"}},
  };
  for (const Case& c : cases) {
    DialogScriptPush(AnswerVariables({{"lat", "lon", "time", "temp"}, {"temp"}}, [&c](NetcdfChoiceModel& model) {
      EXPECT_TRUE(NetcdfAreaOffered(model));
      EXPECT_TRUE(NetcdfTimeOffered(model));
      model.bArea = c.bArea;
      model.bTime = c.bTime;
    }));
    if (c.bArea) {
      DialogScriptPush(AnswerDialog("Select Area", [&c](DialogRequest& request) {
        auto* model = dynamic_cast<NetcdfAreaModel*>(request.pModel);
        NetcdfDelimitArea(*model);
        EXPECT_EQ(model->szBoxes, (std::array<std::string, 4>{"10", "14", "100", "103"}));
        model->szBoxes = c.boxes;
        return static_cast<int>(BUTTON_OK);
      }));
    }
    if (c.bTime) {
      DialogScriptPush(AnswerDialog("Time option", [&c](DialogRequest& request) {
        auto* model = dynamic_cast<NetcdfTimeModel*>(request.pModel);
        EXPECT_EQ(model->names, std::vector<std::string>{"time"});
        EXPECT_EQ(model->szBegin, "2000-1-1+0:0:0#");
        EXPECT_EQ(model->szEnd, "2000-1-5+0:0:0#");
        model->szBegin = c.szBegin;
        model->szEnd = c.szEnd;
        return static_cast<int>(BUTTON_OK);
      }));
    }
    EXPECT_TRUE(Open(path).empty());
    EXPECT_EQ(Cell(1, 4), "temp ()");
    for (std::size_t k = 0; k < c.temps.size(); ++k) EXPECT_EQ(Cell(2 + static_cast<int>(k), 4), c.temps[k]) << k;
    EXPECT_EQ(LastRow(4), 1 + static_cast<int>(c.temps.size()));
  }
  // A Begin that is no date keeps the dialog open.
  DialogScriptPush(AnswerVariables({{"time", "temp"}, {"temp"}}, [](NetcdfChoiceModel& model) { model.bTime = true; }));
  DialogScriptPush(AnswerDialog("Time option", [](DialogRequest& request) {
    dynamic_cast<NetcdfTimeModel*>(request.pModel)->szBegin = "2000-02-30+00:00:00#";
    return static_cast<int>(BUTTON_OK);
  }));
  DialogScriptPush(AnswerOk("Message"));
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, "Time option"));
  int status = 0;
  Open(path, &status);
  EXPECT_EQ(status, -1);
  bool told = false;
  for (const ShownDialog& shown : DialogScriptShown()) told = told || shown.szText == "Error->Begin( Time )";
  EXPECT_TRUE(told);
}

// A text variable of the string type is not read; its rows say so.
TEST_F(NetcdfTest, StringVariablesSayTheyAreNotRead) {
  DialogScriptPush(AnswerVariables({{"UTC_time"}}));
  EXPECT_TRUE(Open(kNetcdfData + "negative/ncdump_ref_test_corrupt_magic.nc").empty());
  EXPECT_EQ(Cell(2, 1), "1");
  EXPECT_EQ(Cell(2, 2), "Unsupported type in DLL");
  EXPECT_EQ(LastRow(2), 9);
}

}  // namespace
