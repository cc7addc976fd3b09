// Renders the program's windows headless into PNG files for the
// documentation: run from the folder holding CVLib/ with the output folder
// as argument (scripts/screenshots does both).
#include <QApplication>
#include <QImage>
#include <QWidget>

#include <cstdio>
#include <string>

#include "platform/backend.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "shell/program_entry.h"
#include "shell/program_state.h"
#include "shell/qt/view_classes.h"
#include "shell/welcome_layout.h"

namespace {

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool SaveWindow(WindowHandle hwnd, const std::string& path) {
  QWidget* widget = OuterWidgetOf(hwnd);
  if (!widget) return false;
  QImage image(widget->size(), QImage::Format_RGB32);
  widget->render(&image);
  const bool ok = image.save(QString::fromStdString(path));
  std::printf("%s %s (%dx%d)\n", ok ? "wrote" : "could not write", path.c_str(), image.width(), image.height());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const std::string out = argc > 1 ? argv[1] : "docs";
  QApplication app(argc, argv);
  QtBackend backend;
  SetBackend(&backend);
  InstallDialogViews();
  if (ProgramStart(ViewWindowClassProcs()) != 0) return 1;
  const WindowHandle frame = Program().hFrameWnd;
  OuterWidgetOf(frame)->showNormal();
  OuterWidgetOf(frame)->resize(1024, 640);
  Settle();
  // Let the picture strip move a little, as it would a second after start.
  for (int i = 0; i < 40; ++i) FireTimer(Program().hWelcomeWnd, TIMER_PICTURE_STRIP);
  Settle();
  const bool ok = SaveWindow(frame, out + "/welcome.png");
  SetBackend(nullptr);
  return ok ? 0 : 1;
}
