// Test support: the whole program started on Qt's offscreen platform in a
// temporary folder with its own CVLib/, torn down after each test.
#pragma once

#include <QImage>

#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "platform/qt/dialog_views.h"
#include "platform/window.h"
#include "support/dialog_script_guard.h"

class QtProgramTest : public ::testing::Test {
 protected:
  // Files to put into CVLib/ before the frame starts; empty = no file.
  virtual std::string SystemNameText() { return "[Cartovel][Cartovel Data Workbench][Tables, formulas and plots]"; }
  virtual std::string RootBitmapBytes() { return {}; }

  void SetUp() override;
  void TearDown() override;

  // Let Qt deliver posted events and deferred deletions.
  static void ProcessEvents();
  // Render a window's widget (with its children) into an image.
  static QImage Render(WindowHandle hwnd);

  WindowHandle frame() const;
  // Make the frame the active window, as on a desktop, so that clicks move
  // the focus and keys reach it.
  void ActivateFrame() const;
  std::filesystem::path dir_;
  std::filesystem::path oldDir_;
  DialogScriptGuard* script_ = nullptr;
};

// A 24-bit bitmap file of the given size filled with one colour.
std::string MakeBitmap(int width, int height, unsigned char r, unsigned char g, unsigned char b);

class QDialog;
// Work the next modal dialog with `act` once it shows.
void OnNextDialog(std::function<void(QDialog*)> act);
// Run a dialog view on a model with the dialog script off, `act` working
// the shown dialog; the button it ended with.
int RunDialogView(DialogViewFn view, const std::string& name, DialogModel* model,
                  std::function<void(QDialog*)> act);
