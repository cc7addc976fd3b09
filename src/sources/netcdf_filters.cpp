#include "sources/netcdf_filters.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/netcdf_value.h"
#include "table/number_format.h"

namespace {

// The D1 dimension's visit.
const NetcdfDimension* FirstLevel(const NetcdfChoiceModel& choice) {
  const int dim = choice.iLevelDim[0];
  return dim < 0 ? nullptr : &choice.dims[static_cast<std::size_t>(dim)];
}

// A D1 variable's number at file record `record`.
bool ValueAt(const NetcdfApi& api, int fileId, const NetcdfVariable& var, std::int64_t record, double* value) {
  NetcdfIndex index{};
  index[0] = static_cast<std::size_t>(record);
  return NetcdfReadNumber(api, fileId, var, index, value);
}

// Seconds since 1970 of a time variable's value.
double TimeSeconds(const NetcdfVariable& var, double value) {
  return var.time.dBaseSeconds + value * var.time.dUnitSeconds;
}

// Smallest and largest value of a D1 variable over the visited records.
bool ValueRange(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice, int v, double* low,
                double* high) {
  const NetcdfDimension* dim = FirstLevel(choice);
  if (!dim || v < 0) return false;
  const NetcdfVariable& var = choice.pCatalogue->vars[static_cast<std::size_t>(v)];
  bool any = false;
  const std::int64_t count = NetcdfEffectiveCount(*dim);
  for (std::int64_t k = 0; k < count; ++k) {
    double value = 0.0;
    if (!ValueAt(api, fileId, var, NetcdfRecordIndex(*dim, k), &value)) continue;
    *low = any ? std::min(*low, value) : value;
    *high = any ? std::max(*high, value) : value;
    any = true;
  }
  return any;
}

// First and last time of a time variable as box texts.
void TimeSpanTexts(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice, int v, std::string* first,
                   std::string* last) {
  const NetcdfDimension* dim = FirstLevel(choice);
  const NetcdfVariable& var = choice.pCatalogue->vars[static_cast<std::size_t>(v)];
  const std::int64_t count = dim ? NetcdfEffectiveCount(*dim) : 0;
  double value = 0.0;
  for (std::int64_t k = 0; k < count; ++k) {
    if (ValueAt(api, fileId, var, NetcdfRecordIndex(*dim, k), &value)) {
      *first = NetcdfDateBoxText(TimeSeconds(var, value));
      break;
    }
  }
  for (std::int64_t k = count - 1; k >= 0; --k) {
    if (ValueAt(api, fileId, var, NetcdfRecordIndex(*dim, k), &value)) {
      *last = NetcdfDateBoxText(TimeSeconds(var, value));
      break;
    }
  }
}

// Run the area dialog and collect its records.
int ChooseArea(WindowHandle owner, const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
               std::vector<std::int64_t>* records) {
  int lonVar = -1;
  int latVar = -1;
  NetcdfAreaVariables(choice, &lonVar, &latVar);
  NetcdfAreaModel model;
  double low = 0.0;
  double high = 0.0;
  if (ValueRange(api, fileId, choice, latVar, &low, &high)) {
    model.szBounds[0] = FormatNumber(low);
    model.szBounds[1] = FormatNumber(high);
  }
  if (ValueRange(api, fileId, choice, lonVar, &low, &high)) {
    model.szBounds[2] = FormatNumber(low);
    model.szBounds[3] = FormatNumber(high);
  }
  if (RunCustomDialog(owner, "Select Area", &model) != BUTTON_OK) return -1;
  *records = NetcdfAreaRecords(api, fileId, choice, TextToDouble(model.szBoxes[0]), TextToDouble(model.szBoxes[1]),
                               TextToDouble(model.szBoxes[2]), TextToDouble(model.szBoxes[3]));
  return 0;
}

// Run the time dialog and collect its records.
int ChooseTime(WindowHandle owner, const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
               std::vector<std::int64_t>* records) {
  const std::vector<int> vars = NetcdfTimeVariables(choice);
  if (vars.empty()) return 0;
  NetcdfTimeModel model;
  for (const int v : vars) {
    const NetcdfVariable& var = choice.pCatalogue->vars[static_cast<std::size_t>(v)];
    model.names.emplace_back(TextOf(var.szName).substr(0, NETCDF_SHOWN_VARIABLE_NAME));
    std::string first;
    std::string last;
    TimeSpanTexts(api, fileId, choice, v, &first, &last);
    model.firstTexts.push_back(first);
    model.lastTexts.push_back(last);
  }
  NetcdfSetTimeTarget(model, 0);
  while (RunCustomDialog(owner, "Time option", &model) == BUTTON_OK) {
    if (NetcdfTimeAccept(model) != 0) continue;
    double begin = 0.0;
    double end = 0.0;
    NetcdfParseDateBox(model.szBegin, &begin);
    NetcdfParseDateBox(model.szEnd, &end);
    const int target = std::clamp(model.iTarget, 0, static_cast<int>(vars.size()) - 1);
    *records = NetcdfTimeRecords(api, fileId, choice, vars[static_cast<std::size_t>(target)], begin, end);
    return 0;
  }
  return -1;
}

}  // namespace

void NetcdfDelimitArea(NetcdfAreaModel& model) { model.szBoxes = model.szBounds; }

void NetcdfSetTimeTarget(NetcdfTimeModel& model, int target) {
  if (target < 0 || target >= static_cast<int>(model.names.size())) return;
  model.iTarget = target;
  model.szBegin = model.firstTexts[static_cast<std::size_t>(target)];
  model.szEnd = model.lastTexts[static_cast<std::size_t>(target)];
}

int NetcdfTimeAccept(const NetcdfTimeModel& model) {
  double seconds = 0.0;
  if (!NetcdfParseDateBox(model.szBegin, &seconds)) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_NC_BAD_BEGIN));
    return -1;
  }
  if (!NetcdfParseDateBox(model.szEnd, &seconds)) {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_NC_BAD_END));
    return -1;
  }
  return 0;
}

void NetcdfAreaVariables(const NetcdfChoiceModel& choice, int* lonVar, int* latVar) {
  *lonVar = -1;
  *latVar = -1;
  if (!choice.pCatalogue) return;
  for (const int v : choice.selected[0]) {
    const NetcdfVariable& var = choice.pCatalogue->vars[static_cast<std::size_t>(v)];
    if (!NetcdfTypeIsNumeric(var.iType)) continue;
    if (*lonVar < 0 && NetcdfNameHas(var, "LON")) *lonVar = v;
    if (*latVar < 0 && NetcdfNameHas(var, "LAT")) *latVar = v;
  }
}

std::vector<int> NetcdfTimeVariables(const NetcdfChoiceModel& choice) {
  std::vector<int> vars;
  if (!choice.pCatalogue) return vars;
  for (const int v : choice.selected[0]) {
    if (NetcdfIsTimeVariable(choice.pCatalogue->vars[static_cast<std::size_t>(v)]) &&
        vars.size() < static_cast<std::size_t>(NETCDF_MAX_TIME_VARIABLES)) {
      vars.push_back(v);
    }
  }
  return vars;
}

std::vector<std::int64_t> NetcdfAreaRecords(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
                                            double lat1, double lat2, double lon1, double lon2) {
  std::vector<std::int64_t> records;
  int lonVar = -1;
  int latVar = -1;
  NetcdfAreaVariables(choice, &lonVar, &latVar);
  const NetcdfDimension* dim = FirstLevel(choice);
  if (!dim || lonVar < 0 || latVar < 0) return records;
  const NetcdfVariable& lon = choice.pCatalogue->vars[static_cast<std::size_t>(lonVar)];
  const NetcdfVariable& lat = choice.pCatalogue->vars[static_cast<std::size_t>(latVar)];
  const double latLow = std::min(lat1, lat2);
  const double latHigh = std::max(lat1, lat2);
  const double lonLow = std::min(lon1, lon2);
  const double lonHigh = std::max(lon1, lon2);
  const std::int64_t count = NetcdfEffectiveCount(*dim);
  for (std::int64_t k = 0; k < count && records.size() < NETCDF_AREA_MAX_RECORDS; ++k) {
    const std::int64_t record = NetcdfRecordIndex(*dim, k);
    double x = 0.0;
    double y = 0.0;
    if (!ValueAt(api, fileId, lon, record, &x) || !ValueAt(api, fileId, lat, record, &y)) continue;
    if (x >= lonLow && x <= lonHigh && y >= latLow && y <= latHigh) records.push_back(record);
  }
  return records;
}

std::vector<std::int64_t> NetcdfTimeRecords(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
                                            int timeVar, double begin, double end) {
  std::vector<std::int64_t> records;
  const NetcdfDimension* dim = FirstLevel(choice);
  if (!dim || timeVar < 0) return records;
  const NetcdfVariable& var = choice.pCatalogue->vars[static_cast<std::size_t>(timeVar)];
  const std::int64_t count = NetcdfEffectiveCount(*dim);
  std::int64_t first = -1;
  std::int64_t last = -1;
  for (std::int64_t k = 0; k < count; ++k) {
    double value = 0.0;
    if (!ValueAt(api, fileId, var, NetcdfRecordIndex(*dim, k), &value)) continue;
    const double seconds = std::floor(TimeSeconds(var, value));
    if (first < 0 && seconds >= begin) first = k;
    if (seconds <= end) last = k;
  }
  for (std::int64_t k = first; first >= 0 && k <= last; ++k) records.push_back(NetcdfRecordIndex(*dim, k));
  return records;
}

int NetcdfChooseFilters(WindowHandle owner, const NetcdfApi& api, int fileId, const NetcdfChoiceModel& choice,
                        NetcdfRecordFilter* filter) {
  *filter = NetcdfRecordFilter{};
  std::vector<std::int64_t> area;
  std::vector<std::int64_t> time;
  if (choice.bArea && ChooseArea(owner, api, fileId, choice, &area) != 0) return -1;
  if (choice.bTime && ChooseTime(owner, api, fileId, choice, &time) != 0) return -1;
  if (choice.bArea && choice.bTime) {
    std::vector<std::int64_t> both;
    std::set_intersection(area.begin(), area.end(), time.begin(), time.end(), std::back_inserter(both));
    filter->records = std::move(both);
  } else if (choice.bArea) {
    filter->records = std::move(area);
  } else if (choice.bTime) {
    filter->records = std::move(time);
  } else {
    return 0;
  }
  filter->bActive = true;
  return 0;
}
