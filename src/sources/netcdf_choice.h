// The "NetCDF file option" dialog's state: the dimensions chosen for the
// levels D1 .. D4, the variables chosen in each level's list, how the
// records of each dimension are read, and the follow-up dialogs asked for.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "sources/netcdf_catalogue.h"

class NetcdfChoiceModel final : public DialogModel {
 public:
  const NetcdfCatalogue* pCatalogue = nullptr;
  std::vector<NetcdfDimension> dims;  // the catalogue's dimensions with their read modes
  std::array<int, NETCDF_LEVELS> iLevelDim{-1, -1, -1, -1};  // dimension index per level, -1 none
  std::array<std::vector<int>, NETCDF_LEVELS> selected;     // variable indexes chosen per level
  int iOptionDim = -1;   // the dimension of "Dimension options"
  bool bImage = false;
  bool bAdjustSize = false;
  bool bArea = false;
  bool bTime = false;
  int iUsedLevels = 0;   // after OK: the levels with chosen variables (a chain from D1)
};

// Start a choice on a catalogue: every dimension read whole, D1 the outer
// dimension of the first variable with the most dimensions (up to four) and
// each lower level the first it offers.
void NetcdfChoiceStart(NetcdfChoiceModel& model, const NetcdfCatalogue& catalogue);

// The dimensions a level's drop-down offers (dimension indexes): D1 every
// dimension, a lower level the next dimensions of the upper level's variables.
std::vector<int> NetcdfLevelOffers(const NetcdfChoiceModel& model, int level);
// The variables a level's list shows: those whose first dimensions are the
// chosen D1 .. D(level+1).
std::vector<int> NetcdfLevelVariables(const NetcdfChoiceModel& model, int level);
// Choose the dimension of a level: the lists below refill, their choices go.
void NetcdfSetLevelDimension(NetcdfChoiceModel& model, int level, int dimIndex);
// Choose the variables of a level's list (indexes into the catalogue; those
// not in the list are ignored).
void NetcdfSetLevelSelection(NetcdfChoiceModel& model, int level, const std::vector<int>& vars);

// The dimensions chosen in D1 .. D4 (for "Dimension options").
std::vector<int> NetcdfChosenDimensions(const NetcdfChoiceModel& model);
// "Set": apply a read mode and the texts of its boxes to a dimension.
void NetcdfApplyReadMode(NetcdfChoiceModel& model, int dimIndex, int mode, std::string_view spacing,
                         std::string_view first, std::string_view last);
// A record number typed into a box, for a dimension of `length` records:
// above the length the length, zero, negative or empty 1.
std::int64_t NetcdfRecordNumber(std::string_view text, std::int64_t length);

// The number of records a dimension gives by its read mode.
std::int64_t NetcdfEffectiveCount(const NetcdfDimension& dim);
// The file index of the k-th visited record of a dimension.
std::int64_t NetcdfRecordIndex(const NetcdfDimension& dim, std::int64_t k);

// The texts of the two information boxes.
std::string NetcdfDimensionInfo(const NetcdfChoiceModel& model);
std::string NetcdfSelectionInfo(const NetcdfChoiceModel& model);
// The product of the effective counts of the levels with chosen variables
// (saturating).
std::int64_t NetcdfRecordProduct(const NetcdfChoiceModel& model);
// How many variables are chosen (one chosen in several lists counts once).
int NetcdfSelectedCount(const NetcdfChoiceModel& model);

// Whether "Select Area" and "Select Time" are offered.
bool NetcdfAreaOffered(const NetcdfChoiceModel& model);
bool NetcdfTimeOffered(const NetcdfChoiceModel& model);

// OK: check the chain of levels (reporting the first gap) and set
// iUsedLevels. 0, or -1 when the dialog stays open.
int NetcdfChoiceAccept(NetcdfChoiceModel& model);

// The number of levels with chosen variables, counted from D1 up to the
// first level without any.
int NetcdfChainLength(const NetcdfChoiceModel& model);

// The repeat of a used level in the flat layout: the product of the
// effective counts of the used levels below it, minus one.
std::int64_t NetcdfLevelRepeat(const NetcdfChoiceModel& model, int level);

// Upper-cased name tests of the reader.
bool NetcdfNameHas(const NetcdfVariable& var, std::string_view upperPart);
// True for a variable shown as dates.
bool NetcdfIsTimeVariable(const NetcdfVariable& var);

// Run the dialog; 0 after OK.
int NetcdfChoiceDialogRun(WindowHandle owner, NetcdfChoiceModel& model);
