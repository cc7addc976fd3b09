#include "output/plot_data_export.h"

#include <algorithm>
#include <new>

#include "platform/clipboard.h"
#include "platform/message_box.h"
#include "platform/number_text.h"
#include "resources/string_table.h"
#include "table/number_format.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

// The header lines: data domain, value range, smoothing and the grid size.
void AppendHeader(std::string& out, const PlotExportData& data, const std::string& max, const std::string& min) {
  out += Text(TXT_EXPORT_DOMAIN);
  for (const std::string& line : data.domain) out += line + kLineEnd;
  out += kLineEnd;
  out += std::string(Text(TXT_EXPORT_RANGE)) + Text(TXT_EXPORT_MAXIMUM) + max + Text(TXT_EXPORT_MINIMUM) + min + ";" +
         kLineEnd;
  if (data.bSmoothed) {
    out += std::string(Text(TXT_EXPORT_SMOOTHED)) + Text(TXT_EXPORT_SMOOTH_LEVEL) + FormatInt(data.iSmoothLevel) + ";" +
           kLineEnd;
  }
  out += kLineEnd;
  out += std::string(Text(TXT_EXPORT_TOTAL_HEAD)) + data.szName + Text(TXT_EXPORT_TOTAL_TAIL) +
         FormatInt(data.iRows) + "X" + FormatInt(data.iCols) + ":" + kLineEnd;
  out += kLineEnd;
}

}  // namespace

std::string ExportOptionsTitle(const std::string& name) {
  return std::string(Text(TXT_EXPORT_TITLE_HEAD)) + name + Text(TXT_EXPORT_TITLE_TAIL);
}

std::string PlotDataText(const PlotExportData& data, int separation, int header) {
  const std::size_t count = static_cast<std::size_t>(std::max(data.iRows, 0)) * static_cast<std::size_t>(std::max(data.iCols, 0));
  std::vector<std::string> texts;
  texts.reserve(count);
  double max = 0;
  double min = 0;
  std::size_t width = 0;
  for (std::size_t i = 0; i < count && i < data.values.size(); ++i) {
    const double v = data.values[i];
    if (i == 0 || v > max) max = v;
    if (i == 0 || v < min) min = v;
    texts.push_back(FormatNumber(v));
    width = std::max(width, texts.back().size());
  }
  std::string out;
  out.reserve(count * (width + 2) + 512);
  if (header == EXPORT_WITH_HEADER) AppendHeader(out, data, FormatNumber(max), FormatNumber(min));
  const char separator = separation == EXPORT_COMMA ? ',' : '\t';
  std::size_t at = 0;
  for (int r = 0; r < data.iRows && at < texts.size(); ++r) {
    for (int c = 0; c < data.iCols && at < texts.size(); ++c, ++at) {
      const std::string& text = texts[at];
      if (separation == EXPORT_FIXED) {
        out.append(width + 1 - text.size(), ' ');
        out += text;
      } else {
        out += text;
        out += separator;
      }
    }
    out += kLineEnd;
  }
  return out;
}

int CopyPlotData(WindowHandle owner, const PlotExportData& data, int* separation, int* header) {
  ExportOptionsModel model;
  model.szTitle = ExportOptionsTitle(data.szName);
  model.iSeparation = *separation;
  model.iHeader = *header;
  if (RunCustomDialog(owner, EXPORT_OPTIONS_DIALOG, &model) != BUTTON_OK) return 1;
  *separation = std::clamp(model.iSeparation, static_cast<int>(EXPORT_FIXED), static_cast<int>(EXPORT_TAB));
  *header = model.iHeader == EXPORT_NO_HEADER ? EXPORT_NO_HEADER : EXPORT_WITH_HEADER;
  try {
    ClipboardSetText(PlotDataText(data, *separation, *header));
  } catch (const std::bad_alloc&) {
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_EXPORT_MEMORY));
    return -1;
  }
  ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_EXPORT_DONE));
  return 0;
}
