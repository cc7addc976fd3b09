// The numeric side of "Find data": every number of a table coloured by a
// condition (below, above, not equal, equal, between a threshold or two
// bounds), the matches in one highlight colour or on the hue scale of the
// trend colouring, every other number light grey.
#pragma once

#include <string>

#include "table/colour.h"
#include "table/table_record.h"

// The colour of numbers that do not match: a light grey.
inline constexpr HlsColour FIND_NO_MATCH{160, 213, 1};

// The choices of the "Find data" dialog as the table stores them.
struct FindChoice {
  std::string szText;  // the find text (at most 18 characters are kept)
  std::string szLow;   // the two bounds of Between as typed
  std::string szHigh;
  int iMode = FIND_ABOVE;
  int iStyle = HIGHLIGHT_SCALE;
};

// Store the choices: the condition, the text, the bounds of Between ordered
// numerically (the first typed goes high when they are equal), the style,
// the comparison over all data and the find colour kind.
void FindStoreChoice(TableDocument& t, const FindChoice& choice);

// Whether the table's find text asks for a text search (non-numeric) rather
// than a highlight (numbers and the empty text, read as 0).
bool FindIsTextSearch(const TableDocument& t);

// Colour the numbers of the used area by the table's find settings (empty
// cells take part as 0; texts keep their colours). A colour map window
// (the table itself) also takes its picture view with 9-pixel cells.
void HighlightValues(TableRecord& t);
