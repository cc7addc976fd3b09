// The plug-in dialogs' real views on the example plug-in: what they show,
// how the function dialog follows another function, and the choices it
// hands back.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "sources/plugin_dialog.h"
#include "sources/plugin_library.h"
#include "sources/qt/plugin_views.h"
#include "support/qt_program.h"

#ifndef CARTOVEL_EXAMPLE_PLUGIN
#define CARTOVEL_EXAMPLE_PLUGIN ""
#endif

namespace {

class PluginViewsTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    ASSERT_EQ(PluginLoadFile(CARTOVEL_EXAMPLE_PLUGIN), 0);
  }
  void TearDown() override {
    PluginUnload();
    QtProgramTest::TearDown();
  }
};

// The function dialog shows the selected function's controls; picking the
// other function fills it anew; OK leaves the choices in the model.
TEST_F(PluginViewsTest, FunctionDialogFollowsTheFunction) {
  PluginFunctionModel model(*PluginLoaded());
  PluginListFunctions(*PluginLoaded(), model);
  ASSERT_EQ(model.SelectFunction(model.iFunction), 0);
  QString title;
  QStringList functions;
  QString firstRadio;
  bool parameterHiddenBefore = false;
  bool parameterShownAfter = false;
  int maxLength = 0;
  const int button = RunDialogView(PluginFunctionView, PLUGIN_FUNCTION_DIALOG_NAME, &model, [&](QDialog* dialog) {
    title = dialog->windowTitle();
    const QList<QComboBox*> combos = dialog->findChildren<QComboBox*>();
    ASSERT_EQ(combos.size(), 4);  // functions, decimal places, two lists
    for (int i = 0; i < combos[0]->count(); ++i) functions << combos[0]->itemText(i);
    EXPECT_EQ(combos[1]->count(), PLUGIN_DECIMAL_CHOICES);
    firstRadio = dialog->findChildren<QRadioButton*>()[0]->text();
    QLineEdit* parameter = dialog->findChildren<QLineEdit*>()[0];
    parameterHiddenBefore = parameter->isHidden();
    combos[0]->setCurrentIndex(1);
    emit combos[0]->activated(1);
    parameterShownAfter = !parameter->isHidden() && parameter->isEnabled();
    maxLength = parameter->maxLength();
    parameter->setText("4");
    combos[2]->setCurrentIndex(1);
    combos[1]->setCurrentIndex(3);
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  EXPECT_EQ(button, BUTTON_OK);
  EXPECT_EQ(title.toStdString(), "Plug-in function selections");
  EXPECT_EQ(functions, (QStringList{"Column statistics", "Moving average"}));
  EXPECT_EQ(firstRadio.toStdString(), "Sample (n - 1)");
  EXPECT_TRUE(parameterHiddenBefore);
  EXPECT_TRUE(parameterShownAfter);
  EXPECT_EQ(maxLength, 5);
  EXPECT_EQ(model.FunctionName(), "Moving average");
  EXPECT_EQ(model.form.lists[0].iChoice, 1);
  EXPECT_EQ(model.form.parameters[0].szText, "4");
  EXPECT_EQ(model.iDecimals, 3);
}

// "About Plug in" shows the description read-only, and "Exit" closes it.
TEST_F(PluginViewsTest, AboutShowsTheDescription) {
  PluginAboutModel model;
  model.szText = "Column tools";
  QString title;
  QString shown;
  bool readOnly = false;
  RunDialogView(PluginAboutView, PLUGIN_ABOUT_DIALOG_NAME, &model, [&](QDialog* dialog) {
    title = dialog->windowTitle();
    QPlainTextEdit* box = dialog->findChild<QPlainTextEdit*>();
    shown = box->toPlainText();
    readOnly = box->isReadOnly();
    QPushButton* exit = dialog->findChild<QPushButton*>();
    EXPECT_EQ(exit->text().toStdString(), "Exit");
    exit->click();
  });
  EXPECT_EQ(title.toStdString(), "About Plug in");
  EXPECT_EQ(shown.toStdString(), "Column tools");
  EXPECT_TRUE(readOnly);
}

}  // namespace
