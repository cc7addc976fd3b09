// Main of the window-system tests: a QApplication on the offscreen platform
// with the Qt backend and every window class registered, then GoogleTest.
#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/backend.h"
#include "platform/qt/qt_backend.h"
#include "shell/qt/view_classes.h"

namespace {

// The offscreen platform warns about window hints it cannot honour; keep
// the test output to what matters.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (message.contains(QStringLiteral("propagateSizeHints"))) return;
  fprintf(stderr, "%s\n", qPrintable(message));
  if (type == QtFatalMsg) abort();
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  qInstallMessageHandler(QuietMessages);
  QApplication app(argc, argv);
  QtBackend backend;
  SetBackend(&backend);
  InstallDialogViews();
  if (SetupWindowClasses(ViewWindowClassProcs()) != 0) return 1;
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  SetBackend(nullptr);
  return result;
}
