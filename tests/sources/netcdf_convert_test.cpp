// NetCDF variables converted from the command line.
#include <gtest/gtest.h>

#include <string>

#include "resources/string_table.h"
#include "shell/convert_command.h"
#include "sources/netcdf_fixture.h"

namespace {

class NetcdfConvertTest : public NetcdfTest {
 protected:
  // Convert `in` with `--variables names` to out.txt; the exit status, with
  // what went to standard error in *errors.
  int Convert(const std::string& in, const std::string& names, std::string* errors) {
    ConvertRequest request;
    request.szIn = in;
    request.szOut = dir_.path() + "/out.txt";
    request.szVariables = names;
    testing::internal::CaptureStderr();
    const int status = RunConversion(request);
    *errors = testing::internal::GetCapturedStderr();
    return status;
  }
  std::string Line(int index) const {
    std::string line(TextLine(ReadFileBytes(dir_.path() + "/out.txt"), index));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }
};

TEST(NetcdfConvertArguments, VariablesAreOneOption) {
  const char* argv[] = {"cartovel", "--convert", "in.nc", "out.txt", "--variables", "pressure,temperature"};
  ConvertRequest request;
  std::string error;
  ASSERT_EQ(ParseConvertArguments(6, argv, 2, &request, &error), 0) << error;
  EXPECT_EQ(request.szVariables, "pressure,temperature");
  const char* empty[] = {"cartovel", "--convert", "in.nc", "out.txt", "--variables", ","};
  EXPECT_EQ(ParseConvertArguments(6, empty, 2, &request, &error), -1);
  const char* missing[] = {"cartovel", "--convert", "in.nc", "out.txt", "--variables"};
  EXPECT_EQ(ParseConvertArguments(5, missing, 2, &request, &error), -1);
}

// Each variable at the level of its own dimension count: the 4-D pressure
// in one row per record combination; a 1-D variable over the outer
// dimension repeats in the rows of the others.
TEST_F(NetcdfConvertTest, VariablesAtTheirOwnLevels) {
  const std::string path = Ncgen("mixed", R"(netcdf mixed {
dimensions: time = 2 ; x = 3 ;
variables: double time(time) ; time:units = "hours since 2000-01-01" ; float v(time, x) ;
data: time = 0, 36 ; v = 1, 2, 3, 4, 5, 6.25 ;
})");
  std::string errors;
  ASSERT_EQ(Convert(path, "v,time", &errors), CONVERT_OK) << errors;
  EXPECT_EQ(errors, "");
  EXPECT_EQ(Line(0), "time (hours)\tv ()");
  EXPECT_EQ(Line(1), "2000-1-1 0:0:0\t1");
  EXPECT_EQ(Line(3), "2000-1-1 0:0:0\t3");
  EXPECT_EQ(Line(6), "2000-1-2 12:0:0\t6.25");

  ASSERT_EQ(Convert(kNetcdfData + "netcdf-c-cdl-generated/pres_temp_4D_nc4.nc", "pressure", &errors), CONVERT_OK);
  EXPECT_EQ(Line(1), "900");
  EXPECT_EQ(Line(288), "1043");
}

// Unknown names, variables over other outer dimensions, and more records
// than rows.
TEST_F(NetcdfConvertTest, ErrorsAndOverflow) {
  const std::string pres = kNetcdfData + "netcdf-c-cdl-generated/pres_temp_4D_classic.nc";
  std::string errors;
  EXPECT_EQ(Convert(pres, "pressure,humidity", &errors), CONVERT_FAILED);
  EXPECT_NE(errors.find("No variable of this name in the file: humidity"), std::string::npos) << errors;
  EXPECT_EQ(Convert(pres, "pressure,latitude", &errors), CONVERT_FAILED);
  EXPECT_NE(errors.find("do not share their outer dimensions"), std::string::npos) << errors;

  const std::string path = Ncgen("long", R"(netcdf long {
dimensions: n = 2500 ;
variables: int v(n) ;
})");
  EXPECT_EQ(Convert(path, "v", &errors), CONVERT_DATA_DROPPED);
  EXPECT_NE(errors.find("Table Row overflow ( 1002 )"), std::string::npos) << errors;
}

}  // namespace
