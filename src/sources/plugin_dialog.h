// The dialogs of a loaded plug-in: "About Plug in" and the "Plug-in
// function selections" dialog that the plug-in's items describe.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/window.h"
#include "sources/plugin_items.h"
#include "sources/plugin_library.h"

inline constexpr const char* PLUGIN_ABOUT_DIALOG_NAME = "About Plug in";
inline constexpr const char* PLUGIN_FUNCTION_DIALOG_NAME = "Plug-in function selections";
inline constexpr int PLUGIN_DECIMAL_CHOICES = 11;

// "About Plug in": one read-only text.
class PluginAboutModel final : public DialogModel {
 public:
  std::string szText;
};

// "Plug-in function selections". The view shows `form` for the function
// `iFunction` of `functionNames`, calls SelectFunction when the user picks
// another, and leaves the user's choices in `form` and `iDecimals`.
class PluginFunctionModel final : public DialogModel {
 public:
  explicit PluginFunctionModel(const PluginApi& api) : api_(api) {}

  std::string szAbout;                     // the plug-in's description and CR LF
  std::vector<std::string> functionNames;  // the "Select function" list
  int iFunction = -1;                      // index into functionNames, -1: none
  int iDecimals = 0;                       // index into the "Decimal places" list
  PluginForm form = PluginDefaultForm();

  // Make function `index` the selected one and fill the form from its
  // items. 0, or -1 after reporting the plug-in's error (the form then
  // holds the items read before it).
  int SelectFunction(int index);
  // The selected function's name (empty when none).
  std::string FunctionName() const;

 private:
  const PluginApi& api_;
};

// The entries of the "Decimal places" list.
std::vector<std::string> PluginDecimalChoices();

// List the plug-in's functions into the model (at most
// CARTOVEL_PLUGIN_MAX_FUNCTIONS); the default function is selected.
void PluginListFunctions(const PluginApi& api, PluginFunctionModel& model);

// The dialog on OK: 0 after every item was sent to the plug-in, 1 when
// cancelled, -1 after reporting an error.
int PluginSelectFunction(WindowHandle hwnd);

// Send the form's values on OK: 0, or -1 after reporting the error.
int PluginSendSelection(const PluginApi& api, const PluginFunctionModel& model);

// "About Plug-in" (no loaded plug-in: nothing happens).
int PluginShowAbout(WindowHandle hFrame);
