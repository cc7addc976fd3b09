// The system name file "CVLib/SysName.TXT": up to 15 bracketed fields that
// give the titles, the language and the library data-source names.
#pragma once

#include <string>
#include <string_view>

#include "shell/program_state.h"

inline constexpr std::size_t SYS_NAME_FILE_LIMIT = 1096;  // bytes read at most

// Field numbers.
enum SysField : int {
  SYS_FIELD_SYSTEM_NAME = 0,
  SYS_FIELD_PRODUCT_TITLE = 1,
  SYS_FIELD_SUBTITLE = 2,
  SYS_FIELD_SOURCE_COUNT = 10,
  SYS_FIELD_LANGUAGE = 11,
};

// Split the bytes of a system name file into fields (texts between "[" and
// "]" pairs, at most 15, each cut to 399 bytes). Fields that are not valid
// UTF-8 are converted from the legacy code page of the language that field
// 11 selects. Returns the number of fields found.
int ParseSystemNameText(std::string_view bytes, ProgramState& program);

// Read "<dir>/CVLib/SysName.TXT" into the program state and set bChinese.
// A missing or unreadable file leaves every field empty (English). Returns
// the number of fields found, -1 when the file could not be read.
int ReadSystemNameFile(std::string_view dir, ProgramState& program);

std::string_view SysFieldText(const ProgramState& program, int field);
