// The smallest Qt Widgets program that shows a main window: the baseline
// that scripts/bench-startup measures the program's start-up against.
#include <QApplication>
#include <QMainWindow>

// Shows an empty main window titled "Baseline" until it is closed.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("Baseline");
  window.resize(800, 600);
  window.show();
  return app.exec();
}
