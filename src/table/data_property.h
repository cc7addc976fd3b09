// "Set data property": attach a unit or label to the numbers of a range (as
// prefix or postfix) or remove one, adjusting each number by +, -, x or /
// a parameter on the way.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "resources/string_table.h"
#include "table/table_range.h"
#include "table/table_record.h"

enum UnitMode : int {
  UNIT_POSTFIX = 0,
  UNIT_PREFIX = 1,
  UNIT_REMOVE = 2,
};

enum AdjustOp : int {
  ADJUST_ADD = 0,
  ADJUST_SUBTRACT = 1,
  ADJUST_MULTIPLY = 2,
  ADJUST_DIVIDE = 3,
  ADJUST_IGNORE = 4,
};

inline constexpr std::size_t UNIT_LABEL_CHARS = 50;
inline constexpr std::size_t ADJUST_PARAM_CHARS = 20;

struct DataProperty {
  std::string szUnitLabel;
  int iUnitMode = UNIT_POSTFIX;
  int iAdjustOp = ADJUST_IGNORE;
  std::string szAdjustParam;
};

// Why the dialog's choices are refused (the dialog stays open): a division
// by a parameter that reads as 0, or a parameter that is not a number for
// an operation that needs one. Nothing when they are fine.
std::optional<TextId> DataPropertyRefusal(const DataProperty& p);

// The new text of one cell, or nothing when the cell stays as it is: the
// empty cell; a text with prefix or postfix (only numbers take a label);
// with "Remove", a text in which the label is neither at its start nor at
// its end, or whose rest is not a number. An empty label adjusts numbers
// only.
std::optional<std::string> DataPropertyCellText(const DataProperty& p, std::string_view text);

// The same for many cells: the parameter is read once.
class DataPropertyAdjuster {
 public:
  explicit DataPropertyAdjuster(const DataProperty& p);
  std::optional<std::string> CellText(std::string_view text) const;

 private:
  double Adjust(double v) const;
  const DataProperty& p_;
  bool bParam_ = false;
  double dParam_ = 0;
};

// The settings stored with a table, and storing them.
DataProperty DataPropertyOf(const TableDocument& t);
void DataPropertyStore(TableDocument& t, const DataProperty& p);
