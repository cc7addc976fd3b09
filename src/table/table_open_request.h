// What a new table window is asked to show: a new table, or a file to read
// in one of the open modes. The shell builds the request, the window carries
// it through its creation and its load timer to the reader.
#pragma once

#include <string>

#include "table/table_record.h"

struct TableOpenRequest {
  int iMode = OPEN_NEW;  // creation mode (TableOpenMode)
  std::string szPath;    // the file to read, for the file modes
};

// True for the modes that read a file once the window exists.
bool TableOpenModeReadsFile(int mode);
