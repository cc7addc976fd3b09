#include "plots/plot_table_state.h"

#include "table/table_extension.h"

PlotTableState& PlotStateOf(TableDocument& t) { return TableExtensionOf<PlotTableState>(t, TableExtensionId::Plots); }
