// Cell texts: the numeric test and the cleaning of typed input.
#pragma once

#include <string>
#include <string_view>

// Exponent-form test: -1 not a number, 0 plain form, 1 exponent form.
int CellNumberForm(std::string_view text);

// 1 when the text is a text, 0 when it is numeric (the empty text counts as
// numeric; callers test the length first).
int CellIsText(std::string_view text);
// The same for a text whose CellNumberForm is known already.
int CellIsText(std::string_view text, int form);

// Clean typed input in place and return its new length: a text starting
// with a blank loses all blanks, ".5" becomes "0.5", trailing blanks go, and
// mode 'U' upper-cases. Input beyond 540 bytes is cut.
int NormalizeCellInput(std::string& text, char mode);

inline constexpr std::size_t NORMALIZE_LIMIT = 540;

// True when NormalizeCellInput in mode 'N' is sure to leave the text as it
// is: no blank at either end, no leading '.' and not too long. (It may
// keep some texts this says false for.)
bool CellInputIsNormal(std::string_view text);
