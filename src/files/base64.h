// Base64 (the standard alphabet: A-Z, a-z, 0-9, '+', '/', '=' padding) for
// the cell texts and the password of private table files.
#pragma once

#include <string>
#include <string_view>

// Encode `bytes`. A line feed follows every 72 output characters, and one
// more ends the last line when it is not empty, so the encoding of a
// non-empty input always ends with a line feed; the empty input gives the
// empty text.
std::string Base64Encode(std::string_view bytes);

// Decode `text` into `out`: bytes outside the alphabet are ignored, '='
// counts as a character of value 0 and the bytes that trailing '=' stand
// for are dropped. 0, or -1 (and `out` empty) when the number of alphabet
// characters is not a multiple of 4.
int Base64Decode(std::string_view text, std::string* out);
