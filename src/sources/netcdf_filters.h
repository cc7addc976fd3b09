// The area and time filters of the D1 records: the "Select Area" and
// "Time option" dialogs and the records they let pass.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sources/netcdf_choice.h"
#include "sources/netcdf_read.h"

inline constexpr std::size_t NETCDF_AREA_MAX_RECORDS = 2000;

class NetcdfAreaModel final : public DialogModel {
 public:
  // The boxes: latitude from, to; longitude from, to.
  std::array<std::string, 4> szBoxes;
  // What "Delimit boundaries" fills in (smallest and largest found).
  std::array<std::string, 4> szBounds;
};

class NetcdfTimeModel final : public DialogModel {
 public:
  std::vector<std::string> names;      // the time variables offered
  std::vector<std::string> firstTexts;  // per variable: its first and last time
  std::vector<std::string> lastTexts;
  int iTarget = 0;
  std::string szBegin;
  std::string szEnd;
};

// "Delimit boundaries": the boxes take the bounds.
void NetcdfDelimitArea(NetcdfAreaModel& model);
// Choose another target: the boxes take its first and last time.
void NetcdfSetTimeTarget(NetcdfTimeModel& model, int target);
// OK of the time dialog: 0 when both texts are valid; -1 after telling which
// is not.
int NetcdfTimeAccept(const NetcdfTimeModel& model);

// The D1 longitude and latitude variables of the choice (catalogue
// indexes, -1 when missing): the first numeric chosen D1 variables whose
// upper-cased names hold "LON" and "LAT".
void NetcdfAreaVariables(const NetcdfChoiceModel& choice, int* lonVar, int* latVar);
// The time variables among the chosen D1 variables (at most ten).
std::vector<int> NetcdfTimeVariables(const NetcdfChoiceModel& choice);

// Which D1 records pass an area (latitude from/to, longitude from/to):
// at most NETCDF_AREA_MAX_RECORDS.
std::vector<std::int64_t> NetcdfAreaRecords(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
                                            double lat1, double lat2, double lon1, double lon2);
// Which D1 records pass a time span (seconds since 1970): from the first
// whose time is not before `begin` to the last whose time is not after `end`.
std::vector<std::int64_t> NetcdfTimeRecords(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
                                            int timeVar, double begin, double end);

// Run the dialogs the choice asked for and fill the filter. 0, or -1 when
// a dialog was cancelled.
int NetcdfChooseFilters(WindowHandle owner, const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
                        NetcdfRecordFilter* filter);
