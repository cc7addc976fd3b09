#include "analysis/analysis_options.h"

#include "table/table_extension.h"

AnalysisOptions& AnalysisOptionsOf(TableDocument& t) {
  return TableExtensionOf<AnalysisOptions>(t, TableExtensionId::DataAnalysis);
}
