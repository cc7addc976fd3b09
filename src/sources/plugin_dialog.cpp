#include "sources/plugin_dialog.h"

#include "platform/notices.h"
#include "resources/string_table.h"
#include "sources/plugin_calls.h"

int PluginFunctionModel::SelectFunction(int index) {
  if (index < 0 || index >= static_cast<int>(functionNames.size())) return -1;
  iFunction = index;
  PluginItemTexts items;
  int count = 0;
  int status = 0;
  for (; count < PLUGIN_ITEM_COUNT; ++count) {
    std::string text;
    if (PluginMenuItem(api_, -1, count, functionNames[index], &text) != 0) {
      PluginReportError(text);
      status = -1;
      break;
    }
    items[count] = std::move(text);
  }
  form = PluginFormFromItems(items, count);
  return status;
}

std::string PluginFunctionModel::FunctionName() const {
  return iFunction >= 0 && iFunction < static_cast<int>(functionNames.size()) ? functionNames[iFunction]
                                                                               : std::string();
}

std::vector<std::string> PluginDecimalChoices() {
  std::vector<std::string> choices;
  const std::string_view lines = Text(TXT_PLUGIN_DECIMAL_CHOICES);
  for (int i = 0; i < PLUGIN_DECIMAL_CHOICES; ++i) choices.emplace_back(TextLine(lines, i));
  return choices;
}

void PluginListFunctions(const PluginApi& api, PluginFunctionModel& model) {
  int selected = 0;
  for (int n = 0; n < CARTOVEL_PLUGIN_MAX_FUNCTIONS; ++n) {
    std::string name;
    if (PluginMenuItem(api, n, 0, {}, &name) != 0) break;
    model.functionNames.push_back(std::move(name));
    std::string mark;
    if (PluginMenuItem(api, n, 58, {}, &mark) != 0) break;
    if (mark == "1") selected = n;
  }
  model.iFunction = model.functionNames.empty() ? -1 : selected;
}

int PluginSendSelection(const PluginApi& api, const PluginFunctionModel& model) {
  const PluginItemTexts values = PluginValuesOf(model.form);
  const std::string name = model.FunctionName();
  for (int item = 0; item < PLUGIN_ITEM_COUNT; ++item) {
    std::string error;
    if (PluginSelectItem(api, item, name, values[item], &error) != 0) {
      PluginReportError(error);
      return -1;
    }
  }
  return 0;
}

int PluginSelectFunction(WindowHandle hwnd) {
  const PluginApi* api = PluginLoaded();
  if (!api) return -1;
  PluginFunctionModel model(*api);
  std::string description;
  PluginDescribe(*api, CARTOVEL_PLUGIN_DIALOG_DESCRIPTION_BYTES, &description);
  model.szAbout = description + "\r\n";
  model.iDecimals = PluginDecimalsChoice();
  PluginListFunctions(*api, model);
  if (model.iFunction >= 0) model.SelectFunction(model.iFunction);
  if (RunCustomDialog(hwnd, PLUGIN_FUNCTION_DIALOG_NAME, &model) != BUTTON_OK) return 1;
  PluginSetDecimalsChoice(model.iDecimals);
  return PluginSendSelection(*api, model);
}

int PluginShowAbout(WindowHandle hFrame) {
  const PluginApi* api = PluginLoaded();
  if (!api) return -1;
  PluginAboutModel model;
  PluginDescribe(*api, CARTOVEL_PLUGIN_ABOUT_BYTES, &model.szText);
  RunCustomDialog(hFrame, PLUGIN_ABOUT_DIALOG_NAME, &model);
  return 0;
}
