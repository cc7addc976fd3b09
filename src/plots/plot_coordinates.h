// Plot coordinate declarations: cells of a table declared as the X, Y or Z
// coordinates of a data area. Entries 0..49 of the table's coordinateDecl
// are declarations, entry 50 the pending one (kind and coordinate cells
// chosen, data area not yet). Charts and 3D plots read the coordinates of
// their data cells from here.
#pragma once

#include <array>

#include "table/table_record.h"

enum CoordinateKind : int {
  COORD_NONE = 0,
  COORD_X = 1,
  COORD_Y = 2,
  COORD_Z = 3,
};

enum CoordinateOrientation : int {
  COORD_DOWN_COLUMN = 1,  // the coordinate cells run down one column
  COORD_ALONG_ROW = 2,    // they run along one row
};

inline constexpr int COORD_SLOTS = 50;    // declarations 0..49
inline constexpr int COORD_PENDING = 50;  // the pending entry

// The ten fields of an entry, in order.
enum CoordinateField : int {
  DECL_KIND = 0,
  DECL_ORIENTATION,
  DECL_ROW_FROM,       // the coordinate cells
  DECL_ROW_TO,
  DECL_COL_FROM,
  DECL_COL_TO,
  DECL_DATA_ROW_FROM,  // the data area they serve
  DECL_DATA_ROW_TO,
  DECL_DATA_COL_FROM,
  DECL_DATA_COL_TO,
};

// A run of coordinate cells.
struct CoordinateRun {
  int iOrientation;
  int iRowFrom;
  int iRowTo;
  int iColFrom;
  int iColTo;
};

// 1 when the selection may be declared as coordinates: one range that is
// one whole column (rows 1 .. used bound - 1), one whole row, or a one-row
// or one-column block, at least 3 cells long, touching neither the
// coordinate cells nor the data area of any declaration. The run goes to
// `run` when not null.
int CoordinateRunOfSelection(TableDocument& t, CoordinateRun* run);

// Make the selection the pending declaration of `kind` (COORD_X..Z): 0, or
// -1 when the selection does not qualify or the kind is unknown.
int CoordinatePendingSet(TableDocument& t, int kind);
// The pending kind (COORD_NONE when nothing is pending).
int CoordinatePendingKind(const TableDocument& t);
void CoordinatePendingClear(TableDocument& t);
// The pending kind while the table is picking the data cells of a pending
// declaration (something pending and the selection more than one cell),
// else COORD_NONE.
int CoordinatePickingKind(TableDocument& t);

// Store the pending declaration for every selected range that is not one
// cell (a whole-column range without its last row, a whole-row range
// without its last column), each in the first free slot; a range finding
// no slot is left out. Clears the pending kind. The number stored.
int CoordinateStoreData(TableDocument& t);

// 1 when the selection is one range lying inside the coordinate cells or
// the data area of some declaration.
int SelectionHasCoordinate(TableDocument& t);
// Free every declaration whose coordinate cells or data area contain the
// single selected range; the number freed (0 for other selections).
int CoordinateRemoveForSelection(TableDocument& t);

// The coordinates of a data cell, by kind (index COORD_X..COORD_Z): found
// when the highest declaration of that kind whose data area holds the cell
// names a coordinate cell that holds a number.
struct CellCoordinates {
  std::array<int, 4> found{};
  std::array<double, 4> value{};
  std::array<int, 4> slot{};  // the declaration that gave it
  int bCovered = 0;           // some declaration's data area holds the cell
};
CellCoordinates CoordinatesOfCell(const TableDocument& t, int row, int col);

// 1 when any declaration is stored.
int TableHasCoordinates(const TableDocument& t);

// The coordinate mode of a selection: one range overlapping, in rows and
// in columns, the data area of some declaration, while an X and a Y
// declaration both have data areas overlapping the selection's rows or its
// columns.
int SelectionIsCoordinateMode(TableDocument& t);
