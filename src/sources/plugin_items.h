// The parameter dialog a plug-in describes with its 59 item texts: the
// controls those texts show, and the value texts sent back on OK.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int PLUGIN_ITEM_COUNT = 59;
inline constexpr int PLUGIN_RADIOS = 4;
inline constexpr int PLUGIN_CHECKS = 4;
inline constexpr int PLUGIN_LISTS = 2;
inline constexpr int PLUGIN_PARAMETERS = 5;
// Longest parameter text plus its terminator: the value buffer's size.
inline constexpr int PLUGIN_PARAMETER_BYTES = 50;

using PluginItemTexts = std::array<std::string, PLUGIN_ITEM_COUNT>;

enum PluginControlState : int {
  CONTROL_HIDDEN = -1,
  CONTROL_DISABLED = 0,
  CONTROL_ENABLED = 1,
};

// A radio button or a check box, or the group box around them.
struct PluginToggle {
  PluginControlState iState = CONTROL_DISABLED;
  std::string szCaption;
  bool bOn = false;
};

// A labelled drop-down list.
struct PluginList {
  PluginControlState iState = CONTROL_DISABLED;
  std::string szLabel;
  std::vector<std::string> choices;
  int iChoice = -1;  // -1: none
};

// A labelled edit box taking at most iMaxBytes - 1 bytes.
struct PluginParameter {
  PluginControlState iState = CONTROL_DISABLED;
  std::string szLabel;
  int iMaxBytes = PLUGIN_PARAMETER_BYTES;
  std::string szText;
};

// What the dialog shows for one function.
struct PluginForm {
  std::string szDescription;
  PluginToggle radioGroup;
  std::array<PluginToggle, PLUGIN_RADIOS> radios;
  PluginToggle checkGroup;
  std::array<PluginToggle, PLUGIN_CHECKS> checks;
  std::array<PluginList, PLUGIN_LISTS> lists;
  std::array<PluginParameter, PLUGIN_PARAMETERS> parameters;
};

// The form before any item applies: the dialog's own captions, every
// control disabled, the lists empty.
PluginForm PluginDefaultForm();

// The state an item text gives: -1 hidden, 1 enabled, anything else
// (another number, or no number) disabled.
PluginControlState PluginStateOf(std::string_view text);

// Apply the first `count` items to a default form.
PluginForm PluginFormFromItems(const PluginItemTexts& items, int count);

// The 59 value texts of OK for a form as the user left it.
PluginItemTexts PluginValuesOf(const PluginForm& form);
