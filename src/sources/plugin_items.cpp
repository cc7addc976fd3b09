#include "sources/plugin_items.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

constexpr int ITEM_DESCRIPTION = 1;
constexpr int ITEM_RADIO_CAPTION = 2;
constexpr int ITEM_RADIO_FIRST = 4;
constexpr int ITEM_CHECK_CAPTION = 16;
constexpr int ITEM_CHECK_FIRST = 18;
constexpr int ITEM_LIST_FIRST = 30;
constexpr int ITEM_PARAMETER_FIRST = 38;
constexpr int ITEM_DEFAULT = 58;

// An integer at the start of a text (after blanks), or `fallback`.
int IntegerOf(std::string_view text, int fallback) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() ? value : fallback;
}

// The item, or the empty text for one not fetched.
std::string_view ItemAt(const PluginItemTexts& items, int count, int index) {
  return index < count ? std::string_view(items[index]) : std::string_view();
}

// The state of a control inside a group: hidden with its group, at most
// disabled in a group that is not enabled.
PluginControlState StateInGroup(PluginControlState group, PluginControlState own) {
  if (group == CONTROL_HIDDEN || own == CONTROL_HIDDEN) return CONTROL_HIDDEN;
  return group == CONTROL_ENABLED ? own : CONTROL_DISABLED;
}

// A group of radio buttons or check boxes from its items.
template <std::size_t N>
void ApplyToggles(const PluginItemTexts& items, int count, int captionItem, int first, PluginToggle& group,
                  std::array<PluginToggle, N>& toggles) {
  if (captionItem + 1 >= count) return;  // the group's state follows its caption
  group.iState = PluginStateOf(items[captionItem + 1]);
  if (group.iState == CONTROL_ENABLED) group.szCaption = items[captionItem];
  for (std::size_t k = 0; k < N; ++k) {
    const int item = first + 3 * static_cast<int>(k);
    if (item >= count) return;
    toggles[k].iState = StateInGroup(group.iState, PluginStateOf(items[item]));
    if (toggles[k].iState != CONTROL_ENABLED) continue;
    toggles[k].bOn = ItemAt(items, count, item + 1) == "1";
    if (item + 2 < count) toggles[k].szCaption = items[item + 2];
  }
}

// The choices of a list item, split at "&" (a final "&" adds none).
std::vector<std::string> SplitChoices(std::string_view text) {
  std::vector<std::string> choices;
  while (!text.empty()) {
    const std::size_t amp = text.find('&');
    choices.emplace_back(text.substr(0, amp));
    if (amp == std::string_view::npos) break;
    text.remove_prefix(amp + 1);
  }
  return choices;
}

// A list from its four items.
void ApplyList(const PluginItemTexts& items, int count, int first, PluginList& list) {
  if (first >= count) return;
  list.iState = PluginStateOf(items[first]);
  if (list.iState != CONTROL_ENABLED) return;
  list.szLabel = ItemAt(items, count, first + 1);
  list.choices = SplitChoices(ItemAt(items, count, first + 2));
  const int choice = IntegerOf(ItemAt(items, count, first + 3), 0);
  const int last = static_cast<int>(list.choices.size()) - 1;
  list.iChoice = last < 0 ? -1 : std::clamp(choice, 0, last);
}

// A parameter from its four items; its length is held to the value buffer.
void ApplyParameter(const PluginItemTexts& items, int count, int first, PluginParameter& parameter) {
  if (first >= count) return;
  parameter.iState = PluginStateOf(items[first]);
  if (parameter.iState != CONTROL_ENABLED) return;
  const int bytes = IntegerOf(ItemAt(items, count, first + 1), PLUGIN_PARAMETER_BYTES);
  parameter.iMaxBytes = std::clamp(bytes, 1, PLUGIN_PARAMETER_BYTES);
  parameter.szLabel = ItemAt(items, count, first + 2);
  const std::string_view text = ItemAt(items, count, first + 3);
  parameter.szText = text.substr(0, TextCutLength(text, static_cast<std::size_t>(parameter.iMaxBytes - 1)));
}

// A numbered caption such as "Parameter 2".
std::string Numbered(TextId id, int number) { return JoinText(Text(id), " ", std::to_string(number)); }

}  // namespace

PluginControlState PluginStateOf(std::string_view text) {
  switch (IntegerOf(text, 0)) {
    case -1: return CONTROL_HIDDEN;
    case 1: return CONTROL_ENABLED;
    default: return CONTROL_DISABLED;
  }
}

PluginForm PluginDefaultForm() {
  PluginForm form;
  form.radioGroup.szCaption = Text(TXT_PLUGIN_RADIO_GROUP);
  form.checkGroup.szCaption = Text(TXT_PLUGIN_CHECK_GROUP);
  for (int k = 0; k < PLUGIN_RADIOS; ++k) form.radios[k].szCaption = Numbered(TXT_PLUGIN_RADIO, k + 1);
  for (int k = 0; k < PLUGIN_CHECKS; ++k) form.checks[k].szCaption = Numbered(TXT_PLUGIN_CHECK, k + 1);
  for (int k = 0; k < PLUGIN_LISTS; ++k) form.lists[k].szLabel = Numbered(TXT_PLUGIN_LIST, k + 1);
  for (int k = 0; k < PLUGIN_PARAMETERS; ++k) form.parameters[k].szLabel = Numbered(TXT_PLUGIN_PARAMETER, k + 1);
  return form;
}

PluginForm PluginFormFromItems(const PluginItemTexts& items, int count) {
  count = std::clamp(count, 0, PLUGIN_ITEM_COUNT);
  PluginForm form = PluginDefaultForm();
  form.szDescription = ItemAt(items, count, ITEM_DESCRIPTION);
  ApplyToggles(items, count, ITEM_RADIO_CAPTION, ITEM_RADIO_FIRST, form.radioGroup, form.radios);
  ApplyToggles(items, count, ITEM_CHECK_CAPTION, ITEM_CHECK_FIRST, form.checkGroup, form.checks);
  for (int k = 0; k < PLUGIN_LISTS; ++k) ApplyList(items, count, ITEM_LIST_FIRST + 4 * k, form.lists[k]);
  for (int k = 0; k < PLUGIN_PARAMETERS; ++k) {
    ApplyParameter(items, count, ITEM_PARAMETER_FIRST + 4 * k, form.parameters[k]);
  }
  return form;
}

PluginItemTexts PluginValuesOf(const PluginForm& form) {
  PluginItemTexts values;
  for (int k = 0; k < PLUGIN_RADIOS; ++k) {
    if (form.radios[k].bOn) values[ITEM_RADIO_FIRST + 3 * k + 1] = "1";
  }
  for (int k = 0; k < PLUGIN_CHECKS; ++k) {
    if (form.checks[k].bOn) values[ITEM_CHECK_FIRST + 3 * k + 1] = "1";
  }
  for (int k = 0; k < PLUGIN_LISTS; ++k) {
    values[ITEM_LIST_FIRST + 4 * k + 3] = std::to_string(std::max(form.lists[k].iChoice, 0));
  }
  for (int k = 0; k < PLUGIN_PARAMETERS; ++k) {
    const PluginParameter& parameter = form.parameters[k];
    const std::size_t limit = static_cast<std::size_t>(std::clamp(parameter.iMaxBytes, 1, PLUGIN_PARAMETER_BYTES) - 1);
    values[ITEM_PARAMETER_FIRST + 4 * k + 3] = parameter.szText.substr(0, TextCutLength(parameter.szText, limit));
  }
  values[ITEM_DEFAULT] = "1";
  return values;
}
