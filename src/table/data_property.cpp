#include "table/data_property.h"

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_text.h"
#include "table/number_format.h"

namespace {

// The parameter as a number; false when it does not read as one.
bool ParameterOf(const DataProperty& p, double* value) {
  bool ok = false;
  *value = TextToDoubleChecked(p.szAdjustParam, &ok);
  return ok && !p.szAdjustParam.empty();
}

// The text is a number (not empty, not a text).
bool IsNumber(std::string_view text) { return !text.empty() && CellIsText(text) == 0; }

}  // namespace

std::optional<TextId> DataPropertyRefusal(const DataProperty& p) {
  if (p.iAdjustOp == ADJUST_IGNORE) return std::nullopt;
  double param = 0;
  if (!ParameterOf(p, &param)) return TXT_DATA_PROPERTY_BAD_PARAMETER;
  if (p.iAdjustOp == ADJUST_DIVIDE && param == 0) return TXT_DATA_PROPERTY_PARAMETER_ZERO;
  return std::nullopt;
}

std::optional<std::string> DataPropertyCellText(const DataProperty& p, std::string_view text) {
  return DataPropertyAdjuster(p).CellText(text);
}

DataPropertyAdjuster::DataPropertyAdjuster(const DataProperty& p) : p_(p) {
  bParam_ = p.iAdjustOp != ADJUST_IGNORE && ParameterOf(p, &dParam_);
}

// A number adjusted by the operation.
double DataPropertyAdjuster::Adjust(double v) const {
  if (!bParam_) return v;
  switch (p_.iAdjustOp) {
    case ADJUST_ADD: return v + dParam_;
    case ADJUST_SUBTRACT: return v - dParam_;
    case ADJUST_MULTIPLY: return v * dParam_;
    case ADJUST_DIVIDE: return dParam_ != 0 ? v / dParam_ : v;
    default: return v;
  }
}

std::optional<std::string> DataPropertyAdjuster::CellText(std::string_view text) const {
  const DataProperty& p = p_;
  if (text.empty()) return std::nullopt;
  const bool percentIgnored = p.szUnitLabel == "%" && p.iAdjustOp == ADJUST_IGNORE;
  if (p.iUnitMode == UNIT_POSTFIX || p.iUnitMode == UNIT_PREFIX || p.szUnitLabel.empty()) {
    if (!IsNumber(text)) return std::nullopt;
    const double v = TextToDouble(text);
    if (p.iUnitMode == UNIT_PREFIX) return p.szUnitLabel + FormatNumber(Adjust(v));
    if (p.iUnitMode == UNIT_REMOVE) return FormatNumber(Adjust(v));  // an empty label
    return FormatNumber(percentIgnored ? v * 100 : Adjust(v)) + p.szUnitLabel;
  }
  // Remove: the label at the start or at the end of the text goes.
  std::string_view rest = text;
  const std::string_view label = p.szUnitLabel;
  if (rest.substr(0, label.size()) == label) {
    rest.remove_prefix(label.size());
  } else if (rest.size() >= label.size() && rest.substr(rest.size() - label.size()) == label) {
    rest.remove_suffix(label.size());
  } else {
    return std::nullopt;
  }
  // A rest that is no number ("kg apple") keeps the cell as it is.
  std::string trimmed(rest);
  while (!trimmed.empty() && trimmed.front() == ' ') trimmed.erase(trimmed.begin());
  while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
  if (!IsNumber(trimmed)) return std::nullopt;
  const double v = TextToDouble(trimmed);
  return FormatNumber(percentIgnored ? v / 100 : Adjust(v));
}

DataProperty DataPropertyOf(const TableDocument& t) {
  DataProperty p;
  p.szUnitLabel = std::string(TextOf(t.szUnitLabel));
  p.iUnitMode = t.iUnitMode;
  p.iAdjustOp = t.iAdjustOp;
  p.szAdjustParam = std::string(TextOf(t.szAdjustParam));
  return p;
}

void DataPropertyStore(TableDocument& t, const DataProperty& p) {
  CopyText(t.szUnitLabel, std::string_view(p.szUnitLabel).substr(0, UNIT_LABEL_CHARS));
  CopyText(t.szAdjustParam, std::string_view(p.szAdjustParam).substr(0, ADJUST_PARAM_CHARS));
  t.iUnitMode = p.iUnitMode;
  t.iAdjustOp = p.iAdjustOp;
}
