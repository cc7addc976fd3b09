// Reading NetCDF files: one float variable of 2000 x 370 values (every data
// cell of a normal table) in the image layout, from a classic file and from
// a compressed netCDF-4 file, and the catalogue of a file of 343 variables.
// Baselines: the raw library calls on the same file, in the same run.
#include <benchmark/benchmark.h>
#include <netcdf.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/notices.h"
#include "ratio_reporter.h"
#include "sources/netcdf_catalogue.h"
#include "sources/netcdf_choice.h"
#include "sources/netcdf_library.h"
#include "sources/netcdf_read.h"
#include "sources/netcdf_variables.h"
#include "table/table_access.h"
#include "table/table_init.h"

namespace {

constexpr std::size_t kRows = 2000;
constexpr std::size_t kCols = 370;
const char* const kManyVariables = "/work/shared/data/netcdf/netcdf-c-cdl-generated/ncf345_classic.nc";

// Write the grid file once per format; its path.
std::string GridFile(bool compressed) {
  const std::string path = std::string("/tmp/cartovel_bench_grid_") + (compressed ? "nc4" : "classic") + "_" +
                           std::to_string(getpid()) + ".nc";
  int id = -1;
  if (nc_create(path.c_str(), compressed ? NC_NETCDF4 | NC_CLOBBER : NC_CLOBBER, &id) != NC_NOERR) return {};
  int dims[2] = {};
  int var = -1;
  nc_def_dim(id, "y", kRows, &dims[0]);
  nc_def_dim(id, "x", kCols, &dims[1]);
  nc_def_var(id, "v", NC_FLOAT, 2, dims, &var);
  if (compressed) nc_def_var_deflate(id, var, 1, 1, 4);
  nc_enddef(id);
  std::vector<float> values(kRows * kCols);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<float>((i * 37) % 9973) * 0.25f;
  nc_put_var_float(id, var, values.data());
  nc_close(id);
  return path;
}

const std::string& GridPath(bool compressed) {
  static const std::string classic = GridFile(false);
  static const std::string nc4 = GridFile(true);
  return compressed ? nc4 : classic;
}

TableRecord& Table() {
  static TableRecord* record = [] {
    TableRecord* t = TableAllocRecord();
    TableInitRecord(*t, OPEN_NETCDF, "bench.nc", "");
    return t;
  }();
  return *record;
}

// The raw library: every value with nc_get_var1_double.
void BaselineValueLoop(benchmark::State& state, bool compressed) {
  int id = -1;
  nc_open(GridPath(compressed).c_str(), NC_NOWRITE, &id);
  for (auto _ : state) {
    double sum = 0;
    for (std::size_t r = 0; r < kRows; ++r) {
      for (std::size_t c = 0; c < kCols; ++c) {
        const std::size_t index[2] = {r, c};
        double value = 0;
        nc_get_var1_double(id, 0, index, &value);
        sum += value;
      }
    }
    benchmark::DoNotOptimize(sum);
  }
  nc_close(id);
}

// The reader: the whole variable in the image layout into a normal table.
void ReadGrid(benchmark::State& state, bool compressed) {
  NetcdfLoadSystemLibrary();
  const NetcdfApi& api = *NetcdfLibrary();
  NoticeScope notices(NOTICES_TO_STANDARD_ERROR);
  for (auto _ : state) {
    int id = -1;
    api.nc_open(GridPath(compressed).c_str(), NC_NOWRITE, &id);
    NetcdfCatalogue catalogue;
    NetcdfCatalogueRead(api, id, catalogue);
    NetcdfChoiceModel model;
    NetcdfChoiceStart(model, catalogue);
    NetcdfChooseNamed(model, {"v"});
    NetcdfOverflow overflow;
    NetcdfReadImage(api, id, model, NetcdfRecordFilter{}, false, Table(), &overflow);
    api.nc_close(id);
  }
}

// The raw library: the inquiries the catalogue makes, without keeping anything.
void BaselineInquiries(benchmark::State& state) {
  int id = -1;
  nc_open(kManyVariables, NC_NOWRITE, &id);
  for (auto _ : state) {
    int vars = 0;
    nc_inq_nvars(id, &vars);
    for (int v = 0; v < vars; ++v) {
      char name[NC_MAX_NAME + 1];
      nc_type type = 0;
      int dims = 0;
      int dimIds[NC_MAX_VAR_DIMS];
      int atts = 0;
      nc_inq_var(id, v, name, &type, &dims, dimIds, &atts);
      benchmark::DoNotOptimize(atts);
    }
  }
  nc_close(id);
}

void ReadCatalogue(benchmark::State& state) {
  NetcdfLoadSystemLibrary();
  const NetcdfApi& api = *NetcdfLibrary();
  int id = -1;
  api.nc_open(kManyVariables, NC_NOWRITE, &id);
  for (auto _ : state) {
    NetcdfCatalogue catalogue;
    NetcdfCatalogueRead(api, id, catalogue);
    benchmark::DoNotOptimize(catalogue.vars.size());
  }
  api.nc_close(id);
}

}  // namespace

void RegisterNetcdfBenchmarks() {
  benchmark::RegisterBenchmark("baseline/netcdf_var1_loop_classic",
                               [](benchmark::State& s) { BaselineValueLoop(s, false); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("netcdf/read_grid_classic", [](benchmark::State& s) { ReadGrid(s, false); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/netcdf_var1_loop_nc4", [](benchmark::State& s) { BaselineValueLoop(s, true); })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("netcdf/read_grid_nc4", [](benchmark::State& s) { ReadGrid(s, true); })
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("baseline/netcdf_inquiries_343", BaselineInquiries)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("netcdf/catalogue_343", ReadCatalogue)->Unit(benchmark::kMillisecond);
  AddRatio("netcdf/read_grid_classic", "baseline/netcdf_var1_loop_classic");
  AddRatio("netcdf/read_grid_nc4", "baseline/netcdf_var1_loop_nc4");
  AddRatio("netcdf/catalogue_343", "baseline/netcdf_inquiries_343");
}
