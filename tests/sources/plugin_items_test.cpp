#include <gtest/gtest.h>

#include <string>

#include "sources/plugin_items.h"

namespace {

// The items of a function that shows a little of everything.
PluginItemTexts SampleItems() {
  PluginItemTexts items;
  items[0] = "Smooth";
  items[1] = "Smooths a column";
  items[2] = "Method";
  items[3] = "1";
  items[4] = "1", items[5] = "0", items[6] = "Mean";
  items[7] = "1", items[8] = "1", items[9] = "Median";
  items[10] = "0", items[11] = "1", items[12] = "Mode";  // shown disabled: its own items do not apply
  items[13] = "-1";
  items[16] = "Options";
  items[17] = "2";  // a disabled group holds its boxes disabled
  items[18] = "1", items[19] = "1", items[20] = "Labels";
  items[21] = "-1";
  items[30] = "1", items[31] = "Edge", items[32] = "Trim&Pad&&Wrap&", items[33] = "7";
  items[34] = "abc";
  items[38] = "1", items[39] = "4", items[40] = "Window", items[41] = "123456";
  items[42] = "1", items[43] = "999", items[44] = "Name", items[45] = std::string(80, 'n');
  items[46] = "1", items[47] = "0", items[48] = "Empty", items[49] = "zz";
  items[50] = " -1";
  items[54] = "1", items[55] = "x", items[56] = "Default length", items[57] = "ok";
  return items;
}

// State texts: -1 hides, 1 enables, any other number or text disables.
TEST(PluginItemsTest, StateTexts) {
  const struct {
    const char* szText;
    PluginControlState iState;
  } cases[] = {{"-1", CONTROL_HIDDEN}, {"1", CONTROL_ENABLED}, {" 1", CONTROL_ENABLED}, {"0", CONTROL_DISABLED},
               {"2", CONTROL_DISABLED}, {"", CONTROL_DISABLED}, {"yes", CONTROL_DISABLED},
               {"99999999999999", CONTROL_DISABLED}};
  for (const auto& c : cases) EXPECT_EQ(PluginStateOf(c.szText), c.iState) << c.szText;
}

// Groups, toggles, lists and parameters take their items only when their
// group and their own state are enabled; list choices split at "&"; the
// initial choice stays inside the list; parameter lengths are held to
// 1..50 and their initial texts to the length minus one.
TEST(PluginItemsTest, FormFromItems) {
  const PluginForm form = PluginFormFromItems(SampleItems(), PLUGIN_ITEM_COUNT);
  EXPECT_EQ(form.szDescription, "Smooths a column");
  EXPECT_EQ(form.radioGroup.iState, CONTROL_ENABLED);
  EXPECT_EQ(form.radioGroup.szCaption, "Method");
  EXPECT_EQ(form.radios[0].szCaption, "Mean");
  EXPECT_FALSE(form.radios[0].bOn);
  EXPECT_TRUE(form.radios[1].bOn);
  EXPECT_EQ(form.radios[2].iState, CONTROL_DISABLED);
  EXPECT_EQ(form.radios[2].szCaption, "Radio button 3");
  EXPECT_FALSE(form.radios[2].bOn);
  EXPECT_EQ(form.radios[3].iState, CONTROL_HIDDEN);

  EXPECT_EQ(form.checkGroup.iState, CONTROL_DISABLED);
  EXPECT_EQ(form.checkGroup.szCaption, "Check box Options");
  EXPECT_EQ(form.checks[0].iState, CONTROL_DISABLED);
  EXPECT_FALSE(form.checks[0].bOn);
  EXPECT_EQ(form.checks[1].iState, CONTROL_HIDDEN);

  EXPECT_EQ(form.lists[0].iState, CONTROL_ENABLED);
  EXPECT_EQ(form.lists[0].szLabel, "Edge");
  EXPECT_EQ(form.lists[0].choices, (std::vector<std::string>{"Trim", "Pad", "", "Wrap"}));
  EXPECT_EQ(form.lists[0].iChoice, 3);
  EXPECT_EQ(form.lists[1].iState, CONTROL_DISABLED);
  EXPECT_TRUE(form.lists[1].choices.empty());
  EXPECT_EQ(form.lists[1].szLabel, "List option 2");

  EXPECT_EQ(form.parameters[0].iMaxBytes, 4);
  EXPECT_EQ(form.parameters[0].szText, "123");
  EXPECT_EQ(form.parameters[1].iMaxBytes, 50);
  EXPECT_EQ(form.parameters[1].szText, std::string(49, 'n'));
  EXPECT_EQ(form.parameters[2].iMaxBytes, 1);
  EXPECT_EQ(form.parameters[2].szText, "");
  EXPECT_EQ(form.parameters[3].iState, CONTROL_HIDDEN);
  EXPECT_EQ(form.parameters[4].iMaxBytes, 50);  // no number: the buffer's size
  EXPECT_EQ(form.parameters[4].szText, "ok");
}

// A fill stopped by an error applies only the items read before it.
TEST(PluginItemsTest, PartialFill) {
  const PluginForm form = PluginFormFromItems(SampleItems(), 8);
  EXPECT_EQ(form.radioGroup.iState, CONTROL_ENABLED);
  EXPECT_EQ(form.radios[0].szCaption, "Mean");
  EXPECT_EQ(form.radios[1].iState, CONTROL_ENABLED);
  EXPECT_FALSE(form.radios[1].bOn);
  EXPECT_EQ(form.radios[1].szCaption, "Radio button 2");
  EXPECT_EQ(form.checkGroup.iState, CONTROL_DISABLED);
  EXPECT_EQ(form.lists[0].iState, CONTROL_DISABLED);
  EXPECT_EQ(PluginFormFromItems(SampleItems(), 0).radios[0].szCaption, "Radio button 1");
}

// OK sends "1" for chosen toggles, the list indexes (0 for none), the
// parameter texts cut to their length minus one (on a character
// boundary), item 58 "1", and nothing else.
TEST(PluginItemsTest, ValuesOfOk) {
  PluginForm form = PluginFormFromItems(SampleItems(), PLUGIN_ITEM_COUNT);
  form.radios[0].bOn = true;
  form.radios[1].bOn = false;
  form.checks[2].bOn = true;
  form.parameters[0].szText = "98765";
  form.parameters[1].szText = std::string(48, 'a') + "\xE5\x80\xBC";  // a 3-byte character across the cut
  const PluginItemTexts values = PluginValuesOf(form);
  PluginItemTexts expected;
  expected[5] = "1";
  expected[25] = "1";
  expected[33] = "3";
  expected[37] = "0";
  expected[41] = "987";
  expected[45] = std::string(48, 'a');
  expected[49] = "";
  expected[53] = "";
  expected[57] = "ok";
  expected[58] = "1";
  for (int i = 0; i < PLUGIN_ITEM_COUNT; ++i) EXPECT_EQ(values[i], expected[i]) << "item " << i;
}

}  // namespace
