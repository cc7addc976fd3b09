#include "table/table_input_hooks.h"

TableInputHooks& TableHooks() {
  static TableInputHooks hooks;
  return hooks;
}
