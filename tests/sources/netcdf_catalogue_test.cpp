#include "sources/netcdf_fixture.h"

#include "sources/netcdf_catalogue.h"
#include "sources/netcdf_value.h"

namespace {

// The catalogue of a file, opened through the program's library.
class NetcdfCatalogueTest : public NetcdfTest {
 protected:
  void TearDown() override {
    if (api_) api_->nc_close(fileId_);
    NetcdfTest::TearDown();
  }
  bool Read(const std::string& path) {
    if (api_) api_->nc_close(fileId_);
    api_ = NetcdfOpenCatalogue(path, &fileId_, &catalogue_);
    return api_ != nullptr;
  }
  const NetcdfVariable& Var(std::string_view name) {
    const int v = NetcdfVariableIndex(catalogue_, name);
    EXPECT_GE(v, 0) << name;
    return catalogue_.vars[static_cast<std::size_t>(v < 0 ? 0 : v)];
  }
  // The cell text of a variable's value at `index`.
  std::string Value(std::string_view name, NetcdfIndex index = {}) {
    return NetcdfReadValue(*api_, fileId_, Var(name), index);
  }

  const NetcdfApi* api_ = nullptr;
  int fileId_ = -1;
  NetcdfCatalogue catalogue_;
};

// Files of more than 110 variables are listed whole; long first
// attributes are kept whole (the dialog cuts them) and only text
// attributes describe.
TEST_F(NetcdfCatalogueTest, ManyVariablesAndLongAttributes) {
  const struct {
    const char* szFile;
    int iVars;
  } files[] = {
      {"netcdf-c-cdl-generated/ncf345_classic.nc", 343},
      {"netcdf-c-cdl-generated/ncf345_nc4.nc", 343},
      {"netcdf-c/ncdump_ref_nccopy3_subset.nc", 367},
  };
  for (const auto& f : files) {
    ASSERT_TRUE(Read(kNetcdfData + f.szFile)) << f.szFile;
    EXPECT_EQ(catalogue_.iFileVarCount, f.iVars);
    EXPECT_EQ(catalogue_.vars.size(), static_cast<std::size_t>(f.iVars));
    const NetcdfVariable& longName = Var("one_dmn_rec_var_mss_val_arr");
    EXPECT_GE(longName.szDescription.size(), 415u) << f.szFile;
    EXPECT_EQ(longName.szDescription.back(), '.');
    EXPECT_EQ(longName.szShortDescription, "One");
    // Every listed variable's dimensions are listed ones.
    for (const NetcdfVariable& var : catalogue_.vars) {
      for (int d = 0; d < var.iDimCount && d < NETCDF_LEVELS; ++d) {
        EXPECT_GE(NetcdfDimensionIndex(catalogue_, var.iDimIds[static_cast<std::size_t>(d)]), 0);
      }
    }
  }
  // The last variable of the file can be chosen and read.
  ASSERT_TRUE(Read(kNetcdfData + "netcdf-c-cdl-generated/ncf345_classic.nc"));
  EXPECT_EQ(Value("pck"), "3");
  EXPECT_EQ(Value("pck_arr", {1}), "0.0");
  EXPECT_EQ(Value("pck_arr", {3}), "32767");
  EXPECT_EQ(Value("pck_arr", {0}), "Missing");
}

// Units are read from "units", wherever it stands; dates before 1970,
// with a zone offset, and a calendar other than the standard one.
TEST_F(NetcdfCatalogueTest, TimeUnitsOfRealFiles) {
  const struct {
    const char* szFile;
    const char* szVar;
    std::size_t iIndex;
    const char* szText;
  } cases[] = {
      {"netcdf-c-cdl-generated/n3time_classic.nc", "Timestamp", 0, "2009-4-7 17:43:17"},
      {"netcdf-c-cdl-generated/ncf345_classic.nc", "time", 0, "1964-3-13 21:9:0"},
      {"argo-profiles/D4900785_048.nc", "JULD", 0, "2008-1-11 12:6:17"},
      {"netcdf-c/ncdump_ref_test_365_day_1900.nc", "time", 5, "5"},
      {"netcdf-c-cdl-generated/n3time_classic.nc", "TimestampMilliseconds", 0, "466"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Read(kNetcdfData + c.szFile)) << c.szFile;
    NetcdfIndex index{};
    index[0] = c.iIndex;
    EXPECT_EQ(Value(c.szVar, index).substr(0, std::string(c.szText).size()), c.szText) << c.szFile;
  }
}

// Dimension lengths are 64-bit; a file without attributes has no
// descriptions; six dimensions are counted as the file has them.
TEST_F(NetcdfCatalogueTest, LengthsPlainFilesAndDeepVariables) {
  ASSERT_TRUE(Read(kNetcdfData + "netcdf-c/nc_test4_ref_tst_dims.nc"));
  ASSERT_EQ(catalogue_.dims.size(), 1u);
  EXPECT_EQ(catalogue_.dims[0].iLength, 4500000000LL);
  EXPECT_TRUE(catalogue_.vars.empty());

  ASSERT_TRUE(Read(kNetcdfData + "netcdf-c-cdl-generated/simple_xy_nc4.nc"));
  EXPECT_TRUE(Var("data").szDescription.empty());
  EXPECT_EQ(Var("data").iAttCount, 0);
  EXPECT_EQ(std::string(NetcdfTypeName(Var("data").iType)), "int");

  ASSERT_TRUE(Read(kNetcdfData + "netcdf-c/nctest_ref_nctest_classic.nc"));
  EXPECT_EQ(Var("bytev").iDimCount, 6);
}

// Files the library cannot open, and addresses, give one clean message.
TEST_F(NetcdfCatalogueTest, UnreadableFilesAndAddresses) {
  const struct {
    std::string szPath;
    const char* szText;
  } cases[] = {
      {kNetcdfData + "negative/nc_test_bad_cdf5_begin.nc", " ->  fpCallDLL_nc_open"},
      {kNetcdfData + "no-such-file.nc", " ->  fpCallDLL_nc_open"},
      {"https://example.org/data.nc", "Only local files can be opened"},
      {"dap4://example.org/data", "Only local files can be opened"},
  };
  for (const auto& c : cases) {
    std::vector<Notice> notices;
    {
      NoticeScope scope;
      EXPECT_FALSE(Read(c.szPath)) << c.szPath;
      notices = scope.Take();
    }
    ASSERT_EQ(notices.size(), 1u) << c.szPath;
    EXPECT_EQ(notices[0].szCaption, "Error");
    EXPECT_NE(notices[0].szText.find(c.szText), std::string::npos) << notices[0].szText;
  }
  EXPECT_FALSE(NetcdfPathIsAddress("/data/a://b.nc"));
}

// Damaged files on which the library itself loops forever or runs out of
// memory are refused with the same message, and the program goes on.
TEST_F(NetcdfCatalogueTest, FilesTheLibraryCannotSurvive) {
  std::string fixtures(__FILE__);
  fixtures.resize(fixtures.rfind('/') + 1);
  fixtures += "fixtures/";
  NetcdfSetOpenGuardTime(3000);
  for (const char* name : {"netcdf_library_loops.nc", "netcdf_library_huge_allocation.nc"}) {
    std::vector<Notice> notices;
    {
      NoticeScope scope;
      EXPECT_FALSE(Read(fixtures + name)) << name;
      notices = scope.Take();
    }
    ASSERT_EQ(notices.size(), 1u) << name;
    EXPECT_NE(notices[0].szText.find(" ->  fpCallDLL_nc_open"), std::string::npos) << notices[0].szText;
  }
  NetcdfSetOpenGuardTime(30000);
  ASSERT_TRUE(Read(kNetcdfData + "netcdf-c/nctest_ref_nctest_classic.nc"));
  EXPECT_FALSE(NetcdfPathIsAddress("C:/data/x.nc"));
}

}  // namespace
