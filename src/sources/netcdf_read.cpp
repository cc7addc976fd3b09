#include "sources/netcdf_read.h"

#include <algorithm>
#include <limits>
#include <string>

#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/netcdf_value.h"
#include "table/cell_store.h"

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int64_t>::max();
constexpr int kValueStyle = 33;
constexpr int kFirstDataRow = 2;

std::int64_t Times(std::int64_t a, std::int64_t b) {
  if (a <= 0 || b <= 0) return 0;
  if (a > kLargest / b) return kLargest;
  return a * b;
}

// How the records of one level are visited.
struct LevelVisit {
  const NetcdfDimension* pDim = nullptr;
  const std::vector<std::int64_t>* pRecords = nullptr;  // filtered D1 records
  std::int64_t iCount = 0;

  std::int64_t IndexAt(std::int64_t k) const {
    return pRecords ? (*pRecords)[static_cast<std::size_t>(k)] : NetcdfRecordIndex(*pDim, k);
  }
  // Runs of this level can be read with one call per run.
  bool Regular() const { return pRecords == nullptr; }
  std::int64_t Step() const {
    return pDim->iReadMode == NC_READ_SAMPLED ? std::max<std::int64_t>(1, pDim->iSpacing) : 1;
  }
};

// The visits of the used levels.
std::vector<LevelVisit> LevelVisits(const NetcdfChoiceModel& model, const NetcdfRecordFilter& filter) {
  std::vector<LevelVisit> visits;
  for (int l = 0; l < model.iUsedLevels; ++l) {
    const int dim = model.iLevelDim[static_cast<std::size_t>(l)];
    if (dim < 0) break;
    LevelVisit visit;
    visit.pDim = &model.dims[static_cast<std::size_t>(dim)];
    visit.iCount = NetcdfEffectiveCount(*visit.pDim);
    if (l == 0 && filter.bActive) {
      visit.pRecords = &filter.records;
      visit.iCount = static_cast<std::int64_t>(filter.records.size());
    }
    visits.push_back(visit);
  }
  return visits;
}

// The product of the visit counts of levels [from, to).
std::int64_t CountProduct(const std::vector<LevelVisit>& visits, int from, int to) {
  std::int64_t product = 1;
  for (int l = from; l < to; ++l) product = Times(product, visits[static_cast<std::size_t>(l)].iCount);
  return product;
}

// Store a text with the style of read values.
void StoreValue(TableDocument& t, std::int64_t row, std::int64_t col, const std::string& text) {
  const int r = static_cast<int>(row);
  const int c = static_cast<int>(col);
  TableStoreCellText(t, r, c, text);
  if (TableCell* cell = TableCellAt(t, r, c)) SetCellStyle(*cell, kValueStyle);
}

// Store a value read from the file with the style of read values; numbers
// go in without a round trip through their text.
void StoreValue(TableDocument& t, std::int64_t row, std::int64_t col, const NetcdfCell& value) {
  const int r = static_cast<int>(row);
  const int c = static_cast<int>(col);
  int status = 0;
  switch (value.iForm) {
    case NetcdfCellForm::Number: status = TableStoreCellNumber(t, r, c, value.dValue); break;
    case NetcdfCellForm::Whole: status = TableStoreCellWhole(t, r, c, static_cast<long long>(value.dValue)); break;
    case NetcdfCellForm::Text: status = TableStoreCellText(t, r, c, value.text); break;
  }
  if (TableCell* cell = status == 0 ? TableCellAt(t, r, c) : nullptr) SetCellStyle(*cell, kValueStyle);
}

// Read `count` records of level `axis` of a variable from visit position
// `first` on, with the indexes of the other levels in `index`.
void ReadLevelRun(const NetcdfApi& api, int fileId, const NetcdfVariable& var, NetcdfIndex index,
                  const LevelVisit& visit, int axis, std::int64_t first, std::int64_t count,
                  std::vector<NetcdfCell>& cells) {
  cells.clear();
  if (visit.Regular()) {
    index[static_cast<std::size_t>(axis)] = static_cast<std::size_t>(visit.IndexAt(first));
    NetcdfReadRun(api, fileId, var, index, axis, count, visit.Step(), cells);
    return;
  }
  for (std::int64_t k = first; k < first + count; ++k) {
    index[static_cast<std::size_t>(axis)] = static_cast<std::size_t>(visit.IndexAt(k));
    cells.push_back(NetcdfReadCell(api, fileId, var, index));
  }
}

// The indexes of levels [0, levels) for the combination number `combo`
// (the last level counting fastest).
void ComboIndexes(const std::vector<LevelVisit>& visits, int levels, std::int64_t combo, NetcdfIndex* index) {
  for (int l = levels - 1; l >= 0; --l) {
    const std::int64_t count = visits[static_cast<std::size_t>(l)].iCount;
    (*index)[static_cast<std::size_t>(l)] =
        static_cast<std::size_t>(visits[static_cast<std::size_t>(l)].IndexAt(combo % count));
    combo /= count;
  }
}

// One flat column: a variable of level `level`, each of its values filling
// `block` rows.
void ReadFlatColumn(const NetcdfApi& api, int fileId, const NetcdfVariable& var, int level,
                    const std::vector<LevelVisit>& visits, std::int64_t col, TableDocument& t) {
  const LevelVisit& visit = visits[static_cast<std::size_t>(level)];
  const std::int64_t block = CountProduct(visits, level + 1, static_cast<int>(visits.size()));
  const std::int64_t outer = CountProduct(visits, 0, level);
  const std::int64_t runRows = Times(visit.iCount, block);
  std::vector<NetcdfCell> cells;
  for (std::int64_t combo = 0; combo < outer; ++combo) {
    const std::int64_t base = kFirstDataRow + Times(combo, runRows);
    if (base >= t.iRows || base < 0) break;
    const std::int64_t fit = std::min(visit.iCount, (t.iRows - base + block - 1) / block);
    NetcdfIndex index{};
    ComboIndexes(visits, level, combo, &index);
    ReadLevelRun(api, fileId, var, index, visit, level, 0, fit, cells);
    std::int64_t row = base;
    for (const NetcdfCell& value : cells) {
      for (std::int64_t r = 0; r < block && row < t.iRows; ++r, ++row) StoreValue(t, row, col, value);
    }
  }
}

// The record numbers of a single-dimension file in column 1.
void WriteRecordNumbers(const LevelVisit& visit, TableDocument& t) {
  for (std::int64_t k = 0; k < visit.iCount && kFirstDataRow + k < t.iRows; ++k) {
    StoreValue(t, kFirstDataRow + k, 1, FormatInt(visit.IndexAt(k) + 1));
  }
}

// The header of a variable's column: "name (short description)".
std::string ColumnHeader(const NetcdfVariable& var) {
  return JoinText(TextOf(var.szName), " (", var.szShortDescription, ")");
}

// Variables of a single-dimension file that always get a column, in order.
constexpr const char* kPositionNames[][4] = {
    {"Lat", "lat", "latitude", nullptr}, {"Lon", "lon", "longitude", nullptr},
    {"Elev", nullptr, nullptr, nullptr}, {"level", nullptr, nullptr, nullptr},
    {"alti", "altitude", nullptr, nullptr}, {"deep", nullptr, nullptr, nullptr},
    {"time", nullptr, nullptr, nullptr},
};

bool NameContainsAny(std::string_view name, const char* const* parts) {
  for (int i = 0; i < 4 && parts[i]; ++i) {
    if (name.find(parts[i]) != std::string_view::npos) return true;
  }
  return false;
}

bool HasColumn(const std::vector<NetcdfColumn>& columns, int var) {
  return std::any_of(columns.begin(), columns.end(), [var](const NetcdfColumn& c) { return c.iVar == var; });
}

}  // namespace

std::vector<NetcdfColumn> NetcdfAssignColumns(const NetcdfChoiceModel& model) {
  std::vector<NetcdfColumn> columns;
  if (!model.pCatalogue) return columns;
  int next = 1;
  if (model.pCatalogue->iFileDimCount == 1 && model.iUsedLevels == 1) {
    next = 2;  // column 1: the record number
    const std::vector<int> shown = NetcdfLevelVariables(model, 0);
    for (const auto& parts : kPositionNames) {
      for (const int v : shown) {
        if (NameContainsAny(TextOf(model.pCatalogue->vars[static_cast<std::size_t>(v)].szName), parts)) {
          if (!HasColumn(columns, v)) columns.push_back(NetcdfColumn{v, 0, next++});
          break;
        }
      }
    }
  }
  // A variable chosen in several lists belongs to the deepest of them.
  std::vector<int> levelOf(model.pCatalogue->vars.size(), -1);
  for (int l = 0; l < model.iUsedLevels; ++l) {
    for (const int v : model.selected[static_cast<std::size_t>(l)]) levelOf[static_cast<std::size_t>(v)] = l;
  }
  for (int l = 0; l < model.iUsedLevels; ++l) {
    for (std::size_t v = 0; v < levelOf.size(); ++v) {
      if (levelOf[v] == l && !HasColumn(columns, static_cast<int>(v))) {
        columns.push_back(NetcdfColumn{static_cast<int>(v), l, next++});
      }
    }
  }
  return columns;
}

int NetcdfDropDeepVariables(NetcdfChoiceModel& model) {
  int dropped = 0;
  for (auto& level : model.selected) {
    const auto deep = [&model](int v) {
      return model.pCatalogue->vars[static_cast<std::size_t>(v)].iDimCount > NETCDF_LEVELS;
    };
    const auto end = std::remove_if(level.begin(), level.end(), deep);
    dropped += static_cast<int>(level.end() - end);
    level.erase(end, level.end());
  }
  if (dropped > 0) {
    ReportNotice(Text(TXT_NC_CAPTION_ERROR), Text(TXT_NC_TOO_MANY_DIMS));
    model.iUsedLevels = std::min(model.iUsedLevels, NetcdfChainLength(model));
  }
  return dropped;
}

void NetcdfReadFlat(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& model,
                    const NetcdfRecordFilter& filter, TableDocument& t, NetcdfOverflow* overflow) {
  const std::vector<LevelVisit> visits = LevelVisits(model, filter);
  if (visits.empty()) return;
  const std::vector<NetcdfColumn> columns = NetcdfAssignColumns(model);
  const std::int64_t total = CountProduct(visits, 0, static_cast<int>(visits.size()));
  const std::int64_t rowsHere = std::max<std::int64_t>(0, t.iRows - kFirstDataRow);
  const std::int64_t stored = std::min(total, rowsHere);
  const bool recordColumn = !columns.empty() && columns.front().iColumn == 2;
  if (recordColumn) {
    if (t.iRows > 1 && t.iCols > 1) StoreValue(t, 1, 1, "R#");
    WriteRecordNumbers(visits[0], t);
    overflow->iRows += total - stored;
  }
  for (const NetcdfColumn& column : columns) {
    const NetcdfVariable& var = model.pCatalogue->vars[static_cast<std::size_t>(column.iVar)];
    overflow->iRows += total - stored;
    if (column.iColumn >= t.iCols) {
      overflow->iCols += stored;
      continue;
    }
    if (t.iRows > 1) StoreValue(t, 1, column.iColumn, ColumnHeader(var));
    ReadFlatColumn(api, fileId, var, column.iLevel, visits, column.iColumn, t);
  }
}

void NetcdfReadImage(const NetcdfApi& api, int fileId, const NetcdfChoiceModel& model,
                     const NetcdfRecordFilter& filter, bool columnsOuter, TableDocument& t,
                     NetcdfOverflow* overflow) {
  const std::vector<LevelVisit> visits = LevelVisits(model, filter);
  const int levels = static_cast<int>(visits.size());
  if (levels < 2) return;
  for (int l = 0; l < levels - 2; ++l) {
    if (visits[static_cast<std::size_t>(l)].iCount <= 0) return;
  }
  const LevelVisit& outer = visits[static_cast<std::size_t>(levels - 2)];
  const LevelVisit& inner = visits[static_cast<std::size_t>(levels - 1)];
  const std::vector<int>& vars = model.selected[static_cast<std::size_t>(levels - 1)];
  NetcdfIndex index{};
  ComboIndexes(visits, levels - 2, 0, &index);
  // Along the run: columns (rows when swapped); across: rows (columns).
  const std::int64_t alongEnd = columnsOuter ? t.iRows : t.iCols;
  const std::int64_t acrossEnd = columnsOuter ? t.iCols : t.iRows;
  std::int64_t& alongLost = columnsOuter ? overflow->iRows : overflow->iCols;
  std::int64_t& acrossLost = columnsOuter ? overflow->iCols : overflow->iRows;
  std::vector<NetcdfCell> cells;
  std::int64_t across = 1;
  for (std::int64_t o = 0; o < outer.iCount; ++o) {
    if (across >= acrossEnd) {
      acrossLost += Times(Times(outer.iCount - o, static_cast<std::int64_t>(vars.size())), inner.iCount);
      break;
    }
    index[static_cast<std::size_t>(levels - 2)] = static_cast<std::size_t>(outer.IndexAt(o));
    std::int64_t along = 1;
    for (const int v : vars) {
      const NetcdfVariable& var = model.pCatalogue->vars[static_cast<std::size_t>(v)];
      if (across >= acrossEnd) {
        acrossLost += inner.iCount;
        continue;
      }
      const std::int64_t fit = std::clamp<std::int64_t>(alongEnd - along, 0, inner.iCount);
      ReadLevelRun(api, fileId, var, index, inner, levels - 1, 0, fit, cells);
      for (std::int64_t k = 0; k < fit; ++k) {
        const NetcdfCell& value = cells[static_cast<std::size_t>(k)];
        if (columnsOuter) {
          StoreValue(t, along + k, across, value);
        } else {
          StoreValue(t, across, along + k, value);
        }
      }
      alongLost += inner.iCount - fit;
      along = along > kLargest - inner.iCount ? kLargest : along + inner.iCount;
      ++across;
    }
  }
}

void NetcdfReportOverflow(const NetcdfOverflow& overflow) {
  if (overflow.iRows > 0 && overflow.iCols > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_NC_BOTH_OVERFLOW), " ( ", FormatInt(overflow.iRows),
                                                     " , ", FormatInt(overflow.iCols), " )"));
  } else if (overflow.iRows > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_NC_ROW_OVERFLOW), " ( ", FormatInt(overflow.iRows), " )"));
  } else if (overflow.iCols > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE),
                 JoinText(Text(TXT_NC_COLUMN_OVERFLOW), " ( ", FormatInt(overflow.iCols), " )"));
  }
}
