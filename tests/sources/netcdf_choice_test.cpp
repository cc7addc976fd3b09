#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "sources/netcdf_choice.h"
#include "support/dialog_script_guard.h"

namespace {

// A catalogue like an ocean file's: time(4), depth(3), lat(2), lon(5);
// t(time), lat(lat), temp(time, depth), salt(time, depth, lat, lon),
// other(depth).
NetcdfCatalogue OceanCatalogue() {
  NetcdfCatalogue catalogue;
  const struct {
    const char* szName;
    std::int64_t iLength;
  } dims[] = {{"time", 4}, {"depth", 3}, {"lat", 2}, {"lon", 5}};
  for (int i = 0; i < 4; ++i) {
    NetcdfDimension dim;
    CopyText(dim.szName, dims[i].szName);
    dim.iDimId = i;
    dim.iLength = dims[i].iLength;
    dim.iLast = dim.iLength;
    catalogue.dims.push_back(dim);
  }
  const struct {
    const char* szName;
    std::vector<int> dimIds;
  } vars[] = {{"t", {0}}, {"lat", {2}}, {"temp", {0, 1}}, {"salt", {0, 1, 2, 3}}, {"other", {1}}};
  for (int i = 0; i < 5; ++i) {
    NetcdfVariable var;
    var.iVarId = i;
    CopyText(var.szName, vars[i].szName);
    var.iType = NC_FLOAT;
    var.iDimCount = static_cast<int>(vars[i].dimIds.size());
    for (std::size_t d = 0; d < vars[i].dimIds.size(); ++d) var.iDimIds[d] = vars[i].dimIds[d];
    catalogue.vars.push_back(var);
  }
  catalogue.iFileDimCount = 4;
  catalogue.iFileVarCount = 5;
  return catalogue;
}

std::vector<std::string> VariableNames(const NetcdfChoiceModel& model, int level) {
  std::vector<std::string> names;
  for (const int v : NetcdfLevelVariables(model, level)) {
    names.emplace_back(TextOf(model.pCatalogue->vars[static_cast<std::size_t>(v)].szName));
  }
  return names;
}

// Each level offers the next dimensions of the variables above it, and
// choosing a dimension refills the levels below and forgets their choices.
TEST(NetcdfChoiceTest, LevelsCascade) {
  const NetcdfCatalogue catalogue = OceanCatalogue();
  NetcdfChoiceModel model;
  NetcdfChoiceStart(model, catalogue);
  EXPECT_EQ(NetcdfLevelOffers(model, 0), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(model.iLevelDim[0], 0);
  EXPECT_EQ(VariableNames(model, 0), (std::vector<std::string>{"t", "temp", "salt"}));
  EXPECT_EQ(NetcdfLevelOffers(model, 1), (std::vector<int>{1}));
  EXPECT_EQ(VariableNames(model, 1), (std::vector<std::string>{"temp", "salt"}));
  EXPECT_EQ(VariableNames(model, 3), (std::vector<std::string>{"salt"}));

  NetcdfSetLevelSelection(model, 1, {2});
  NetcdfSetLevelDimension(model, 0, 1);  // D1 = depth
  EXPECT_EQ(VariableNames(model, 0), (std::vector<std::string>{"other"}));
  EXPECT_TRUE(model.selected[1].empty());
  EXPECT_EQ(model.iLevelDim[1], -1);
  EXPECT_TRUE(NetcdfLevelVariables(model, 1).empty());
  // A dimension the level does not offer is ignored.
  NetcdfSetLevelDimension(model, 1, 3);
  EXPECT_EQ(model.iLevelDim[1], -1);
}

// Typed record numbers: above the length the length, zero, negative or
// empty 1, more than four digits kept.
TEST(NetcdfChoiceTest, RecordNumbersAndReadModes) {
  const struct {
    const char* szText;
    std::int64_t iLength;
    std::int64_t iExpected;
  } numbers[] = {
      {"3", 10, 3}, {"11", 10, 10}, {"0", 10, 1}, {"-4", 10, 1}, {"", 10, 1}, {"12345", 4500000000, 12345},
      {"99999999999999999999999", 4500000000, 4500000000},
  };
  for (const auto& c : numbers) EXPECT_EQ(NetcdfRecordNumber(c.szText, c.iLength), c.iExpected) << c.szText;

  NetcdfCatalogue catalogue = OceanCatalogue();
  catalogue.dims[0].iLength = 10;
  NetcdfChoiceModel model;
  NetcdfChoiceStart(model, catalogue);
  NetcdfApplyReadMode(model, 0, NC_READ_SAMPLED, "3", "", "");
  EXPECT_EQ(NetcdfEffectiveCount(model.dims[0]), 3);
  EXPECT_EQ(NetcdfRecordIndex(model.dims[0], 2), 6);  // records 1, 4, 7
  NetcdfApplyReadMode(model, 0, NC_READ_RANGE, "", "8", "3");
  EXPECT_EQ(model.dims[0].iFirst, 3);
  EXPECT_EQ(model.dims[0].iLast, 8);
  EXPECT_EQ(NetcdfEffectiveCount(model.dims[0]), 6);
  EXPECT_EQ(NetcdfRecordIndex(model.dims[0], 0), 2);
}

// OK needs an unbroken chain from D1; the repeats follow the used levels'
// record counts, and the information boxes count what is chosen.
TEST(NetcdfChoiceTest, AcceptChainRepeatsAndInformation) {
  DialogScriptGuard script;
  const NetcdfCatalogue catalogue = OceanCatalogue();
  NetcdfChoiceModel model;
  NetcdfChoiceStart(model, catalogue);
  NetcdfSetLevelSelection(model, 1, {2});
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(NetcdfChoiceAccept(model), -1);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "Need select item(s) in Variables( D1 )");

  NetcdfSetLevelSelection(model, 0, {0});
  NetcdfSetLevelSelection(model, 3, {3});
  DialogScriptPush(AnswerOk("Message"));
  EXPECT_EQ(NetcdfChoiceAccept(model), -1);
  EXPECT_EQ(DialogScriptShown().back().szText, "Need select item(s) in Variables( D3 )");

  NetcdfSetLevelSelection(model, 2, {3});
  ASSERT_EQ(NetcdfChoiceAccept(model), 0);
  EXPECT_EQ(model.iUsedLevels, 4);
  EXPECT_EQ(NetcdfLevelRepeat(model, 0), 3 * 2 * 5 - 1);
  EXPECT_EQ(NetcdfLevelRepeat(model, 1), 2 * 5 - 1);
  EXPECT_EQ(NetcdfLevelRepeat(model, 2), 5 - 1);
  EXPECT_EQ(NetcdfLevelRepeat(model, 3), 0);
  EXPECT_EQ(NetcdfRecordProduct(model), 120);
  EXPECT_EQ(NetcdfSelectionInfo(model), "Dimension record N = 120\nSelected variables N = 3");
  model.iOptionDim = 1;
  EXPECT_EQ(NetcdfDimensionInfo(model), "Dimensions N = 4\nSelected = 4\ndepth length = 3");
  script.Check();
}

// "Select Area" needs a longitude and a latitude among the D1 choices,
// "Select Time" a variable with date units.
TEST(NetcdfChoiceTest, AreaAndTimeOffers) {
  NetcdfCatalogue catalogue = OceanCatalogue();
  NetcdfVariable lon = catalogue.vars[0];
  CopyText(lon.szName, "LONGITUDE");
  catalogue.vars.push_back(lon);
  NetcdfVariable lat = catalogue.vars[0];
  CopyText(lat.szName, "latitude");
  catalogue.vars.push_back(lat);
  catalogue.vars[0].time = NetcdfParseTimeUnits("days since 1950-01-01");
  NetcdfChoiceModel model;
  NetcdfChoiceStart(model, catalogue);
  NetcdfSetLevelSelection(model, 0, {5});
  EXPECT_FALSE(NetcdfAreaOffered(model));
  EXPECT_FALSE(NetcdfTimeOffered(model));
  NetcdfSetLevelSelection(model, 0, {5, 6});
  EXPECT_TRUE(NetcdfAreaOffered(model));
  NetcdfSetLevelSelection(model, 0, {0});
  EXPECT_TRUE(NetcdfTimeOffered(model));
}

}  // namespace
