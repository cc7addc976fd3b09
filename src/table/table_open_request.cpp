#include "table/table_open_request.h"

bool TableOpenModeReadsFile(int mode) {
  return mode == OPEN_FILE || mode == OPEN_MODAS || mode == OPEN_NETCDF || mode == OPEN_STOCK;
}
