#include "sources/netcdf_choice.h"

#include <algorithm>
#include <limits>

#include "platform/message_box.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kTableLimitation = 2000;

// a × b, saturating at the largest 64-bit number.
std::int64_t MultiplySaturating(std::int64_t a, std::int64_t b) {
  if (a <= 0 || b <= 0) return 0;
  if (a > kLargest / b) return kLargest;
  return a * b;
}

// True when variable `var` has at least `levels` dimensions and its first
// ones are the dimensions chosen for D1 .. D(levels).
bool VariableFitsLevels(const NetcdfChoiceModel& model, const NetcdfVariable& var, int levels) {
  if (var.iDimCount < levels) return false;
  for (int l = 0; l < levels; ++l) {
    const int dim = model.iLevelDim[static_cast<std::size_t>(l)];
    if (dim < 0 || model.dims[static_cast<std::size_t>(dim)].iDimId != var.iDimIds[static_cast<std::size_t>(l)]) {
      return false;
    }
  }
  return true;
}

// Every level from `level` down takes the first dimension it offers and
// loses its chosen variables.
void RefillFrom(NetcdfChoiceModel& model, int level) {
  for (int l = level; l < NETCDF_LEVELS; ++l) {
    const std::vector<int> offers = NetcdfLevelOffers(model, l);
    model.iLevelDim[static_cast<std::size_t>(l)] = offers.empty() ? -1 : offers.front();
    model.selected[static_cast<std::size_t>(l)].clear();
  }
}

// An upper-case copy of a name.
std::string Upper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace

int NetcdfChainLength(const NetcdfChoiceModel& model) {
  int used = 0;
  while (used < NETCDF_LEVELS && !model.selected[static_cast<std::size_t>(used)].empty()) ++used;
  return used;
}

bool NetcdfNameHas(const NetcdfVariable& var, std::string_view upperPart) {
  return Upper(TextOf(var.szName)).find(upperPart) != std::string::npos;
}

bool NetcdfIsTimeVariable(const NetcdfVariable& var) {
  return NetcdfTypeIsNumeric(var.iType) && var.time.bValid;
}

void NetcdfChoiceStart(NetcdfChoiceModel& model, const NetcdfCatalogue& catalogue) {
  model.pCatalogue = &catalogue;
  model.dims = catalogue.dims;
  for (NetcdfDimension& dim : model.dims) {
    dim.iReadMode = NC_READ_ALL;
    dim.iSpacing = 1;
    dim.iFirst = 1;
    dim.iLast = dim.iLength;
  }
  model.iLevelDim.fill(-1);
  RefillFrom(model, 0);
  // D1 starts at the outer dimension of the first variable with the most
  // dimensions (up to four), so that its lists reach deepest.
  int best = -1;
  for (std::size_t v = 0; v < catalogue.vars.size(); ++v) {
    const NetcdfVariable& var = catalogue.vars[v];
    if (var.iDimCount < 1 || var.iDimCount > NETCDF_LEVELS || NetcdfDimensionIndex(catalogue, var.iDimIds[0]) < 0) {
      continue;
    }
    if (best < 0 || var.iDimCount > catalogue.vars[static_cast<std::size_t>(best)].iDimCount) {
      best = static_cast<int>(v);
    }
  }
  if (best >= 0) {
    NetcdfSetLevelDimension(model, 0,
                            NetcdfDimensionIndex(catalogue, catalogue.vars[static_cast<std::size_t>(best)].iDimIds[0]));
  }
  model.iOptionDim = model.iLevelDim[0];
  model.bImage = model.bAdjustSize = model.bArea = model.bTime = false;
  model.iUsedLevels = 0;
}

std::vector<int> NetcdfLevelOffers(const NetcdfChoiceModel& model, int level) {
  std::vector<int> offers;
  if (!model.pCatalogue || level < 0 || level >= NETCDF_LEVELS) return offers;
  if (level == 0) {
    for (std::size_t i = 0; i < model.dims.size(); ++i) offers.push_back(static_cast<int>(i));
    return offers;
  }
  for (const NetcdfVariable& var : model.pCatalogue->vars) {
    if (!VariableFitsLevels(model, var, level) || var.iDimCount <= level) continue;
    const int dim = NetcdfDimensionIndex(*model.pCatalogue, var.iDimIds[static_cast<std::size_t>(level)]);
    if (dim >= 0 && std::find(offers.begin(), offers.end(), dim) == offers.end()) offers.push_back(dim);
  }
  return offers;
}

std::vector<int> NetcdfLevelVariables(const NetcdfChoiceModel& model, int level) {
  std::vector<int> vars;
  if (!model.pCatalogue || level < 0 || level >= NETCDF_LEVELS) return vars;
  for (std::size_t i = 0; i < model.pCatalogue->vars.size(); ++i) {
    if (VariableFitsLevels(model, model.pCatalogue->vars[i], level + 1)) vars.push_back(static_cast<int>(i));
  }
  return vars;
}

void NetcdfSetLevelDimension(NetcdfChoiceModel& model, int level, int dimIndex) {
  if (level < 0 || level >= NETCDF_LEVELS) return;
  const std::vector<int> offers = NetcdfLevelOffers(model, level);
  if (std::find(offers.begin(), offers.end(), dimIndex) == offers.end()) return;
  model.iLevelDim[static_cast<std::size_t>(level)] = dimIndex;
  model.selected[static_cast<std::size_t>(level)].clear();
  RefillFrom(model, level + 1);
}

void NetcdfSetLevelSelection(NetcdfChoiceModel& model, int level, const std::vector<int>& vars) {
  if (level < 0 || level >= NETCDF_LEVELS) return;
  const std::vector<int> shown = NetcdfLevelVariables(model, level);
  std::vector<int>& chosen = model.selected[static_cast<std::size_t>(level)];
  chosen.clear();
  for (const int var : shown) {
    if (std::find(vars.begin(), vars.end(), var) != vars.end()) chosen.push_back(var);
  }
}

std::vector<int> NetcdfChosenDimensions(const NetcdfChoiceModel& model) {
  std::vector<int> dims;
  for (const int dim : model.iLevelDim) {
    if (dim >= 0 && std::find(dims.begin(), dims.end(), dim) == dims.end()) dims.push_back(dim);
  }
  return dims;
}

std::int64_t NetcdfRecordNumber(std::string_view text, std::int64_t length) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (text.empty() || text.front() == '-') return 1;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') break;
    if (value > (kLargest - 9) / 10) {
      value = kLargest;
      break;
    }
    value = value * 10 + (c - '0');
  }
  if (value <= 0) return 1;
  return length > 0 && value > length ? length : value;
}

void NetcdfApplyReadMode(NetcdfChoiceModel& model, int dimIndex, int mode, std::string_view spacing,
                         std::string_view first, std::string_view last) {
  if (dimIndex < 0 || dimIndex >= static_cast<int>(model.dims.size())) return;
  NetcdfDimension& dim = model.dims[static_cast<std::size_t>(dimIndex)];
  dim.iReadMode = mode == NC_READ_RANGE || mode == NC_READ_SAMPLED ? mode : NC_READ_ALL;
  if (dim.iReadMode == NC_READ_SAMPLED) dim.iSpacing = NetcdfRecordNumber(spacing, dim.iLength);
  if (dim.iReadMode == NC_READ_RANGE) {
    dim.iFirst = NetcdfRecordNumber(first, dim.iLength);
    dim.iLast = NetcdfRecordNumber(last, dim.iLength);
    if (dim.iFirst > dim.iLast) std::swap(dim.iFirst, dim.iLast);
  }
}

std::int64_t NetcdfEffectiveCount(const NetcdfDimension& dim) {
  switch (dim.iReadMode) {
    case NC_READ_RANGE: return std::max<std::int64_t>(0, dim.iLast - dim.iFirst + 1);
    case NC_READ_SAMPLED: return dim.iSpacing > 0 ? dim.iLength / dim.iSpacing : dim.iLength;
    default: return dim.iLength;
  }
}

std::int64_t NetcdfRecordIndex(const NetcdfDimension& dim, std::int64_t k) {
  switch (dim.iReadMode) {
    case NC_READ_RANGE: return dim.iFirst - 1 + k;
    case NC_READ_SAMPLED: return k * std::max<std::int64_t>(1, dim.iSpacing);
    default: return k;
  }
}

std::int64_t NetcdfRecordProduct(const NetcdfChoiceModel& model) {
  const int used = NetcdfChainLength(model);
  if (used == 0) return 0;
  std::int64_t product = 1;
  for (int l = 0; l < used; ++l) {
    const int dim = model.iLevelDim[static_cast<std::size_t>(l)];
    if (dim < 0) return 0;
    product = MultiplySaturating(product, NetcdfEffectiveCount(model.dims[static_cast<std::size_t>(dim)]));
  }
  return product;
}

int NetcdfSelectedCount(const NetcdfChoiceModel& model) {
  std::vector<int> distinct;
  for (const auto& level : model.selected) {
    for (const int v : level) {
      if (std::find(distinct.begin(), distinct.end(), v) == distinct.end()) distinct.push_back(v);
    }
  }
  return static_cast<int>(distinct.size());
}

std::string NetcdfDimensionInfo(const NetcdfChoiceModel& model) {
  std::string text = JoinText(Text(TXT_NC_DIMENSIONS_N), FormatInt(static_cast<long long>(model.dims.size())),
                              "\n", Text(TXT_NC_SELECTED),
                              FormatInt(static_cast<long long>(NetcdfChosenDimensions(model).size())));
  if (model.iOptionDim >= 0 && model.iOptionDim < static_cast<int>(model.dims.size())) {
    const NetcdfDimension& dim = model.dims[static_cast<std::size_t>(model.iOptionDim)];
    text += JoinText("\n", TextOf(dim.szName).substr(0, NETCDF_SHOWN_DIMENSION_NAME), Text(TXT_NC_LENGTH),
                     FormatInt(dim.iLength));
  }
  return text;
}

std::string NetcdfSelectionInfo(const NetcdfChoiceModel& model) {
  const std::int64_t records = NetcdfRecordProduct(model);
  std::string text = JoinText(Text(TXT_NC_RECORD_N), FormatInt(records));
  if (records > kTableLimitation) text += JoinText("\n", Text(TXT_NC_TABLE_LIMIT));
  text += JoinText("\n", Text(TXT_NC_SELECTED_VARS), FormatInt(NetcdfSelectedCount(model)));
  if (model.pCatalogue && model.pCatalogue->iFileVarCount > static_cast<int>(model.pCatalogue->vars.size())) {
    text += JoinText("\n", Text(TXT_NC_LISTED), FormatInt(static_cast<long long>(model.pCatalogue->vars.size())),
                     Text(TXT_NC_LISTED_OF), FormatInt(model.pCatalogue->iFileVarCount),
                     Text(TXT_NC_LISTED_VARIABLES));
  }
  return text;
}

bool NetcdfAreaOffered(const NetcdfChoiceModel& model) {
  if (!model.pCatalogue) return false;
  bool lon = false;
  bool lat = false;
  for (const int v : model.selected[0]) {
    const NetcdfVariable& var = model.pCatalogue->vars[static_cast<std::size_t>(v)];
    lon = lon || NetcdfNameHas(var, "LON");
    lat = lat || NetcdfNameHas(var, "LAT");
  }
  return lon && lat;
}

bool NetcdfTimeOffered(const NetcdfChoiceModel& model) {
  if (!model.pCatalogue) return false;
  for (const int v : model.selected[0]) {
    if (NetcdfIsTimeVariable(model.pCatalogue->vars[static_cast<std::size_t>(v)])) return true;
  }
  return false;
}

int NetcdfChoiceAccept(NetcdfChoiceModel& model) {
  static const TextId kNeed[] = {TXT_NC_NEED_V1, TXT_NC_NEED_V2, TXT_NC_NEED_V3};
  for (int l = 1; l < NETCDF_LEVELS; ++l) {
    if (!model.selected[static_cast<std::size_t>(l)].empty() &&
        model.selected[static_cast<std::size_t>(l - 1)].empty()) {
      ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(kNeed[l - 1]));
      return -1;
    }
  }
  model.iUsedLevels = NetcdfChainLength(model);
  if (!NetcdfAreaOffered(model)) model.bArea = false;
  if (!NetcdfTimeOffered(model)) model.bTime = false;
  if (model.iUsedLevels < 2) model.bImage = false;
  return 0;
}

std::int64_t NetcdfLevelRepeat(const NetcdfChoiceModel& model, int level) {
  std::int64_t product = 1;
  for (int l = level + 1; l < model.iUsedLevels; ++l) {
    const int dim = model.iLevelDim[static_cast<std::size_t>(l)];
    if (dim < 0) return 0;
    product = MultiplySaturating(product, NetcdfEffectiveCount(model.dims[static_cast<std::size_t>(dim)]));
  }
  return product - 1;
}

int NetcdfChoiceDialogRun(WindowHandle owner, NetcdfChoiceModel& model) {
  while (RunCustomDialog(owner, "NetCDF file option", &model) == BUTTON_OK) {
    if (NetcdfChoiceAccept(model) == 0) return 0;
  }
  return -1;
}
