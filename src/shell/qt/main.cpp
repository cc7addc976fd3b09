// Program entry: command-line options, the Qt application, the window
// classes and the frame, then the event loop until the quit message.
#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/backend.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_language.h"
#include "resources/language.h"
#include "shell/convert_command.h"
#include "shell/frame_commands.h"
#include "shell/program_entry.h"
#include "shell/qt/view_classes.h"

namespace {

const char kUsage[] =
    "Usage: cartovel [FILE]\n"
    "       cartovel --convert IN OUT [--delimiter C] [--merge-delimiters]\n"
    "       cartovel --convert FILE.nc OUT --variables NAME[,NAME...]\n"
    "       cartovel --convert DATABASE OUT --sql \"SELECT ...\"\n"
    "\n"
    "A desktop workbench for tables of numbers: cell formulas, charts,\n"
    "3D plots and colour trend maps.\n"
    "\n"
    "  FILE        open a table file (.orl) or a text file at start-up\n"
    "  --convert IN OUT\n"
    "              open IN as \"Open ...\" would (a table file when its name\n"
    "              holds .orl, else delimited text), re-run its formulas and\n"
    "              write OUT: a table file with formulas, colours and layout\n"
    "              when OUT holds .orl, the cells as TAB-separated text\n"
    "              otherwise. Needs no display; messages go to standard\n"
    "              error, one line for each kind of data left out. Exit\n"
    "              status: 0 done, 1 IN could not be opened or OUT not\n"
    "              written, 2 bad arguments, 3 OUT written but data of IN\n"
    "              left out (cut to the table, formulas not read).\n"
    "  --delimiter C\n"
    "              for a text IN without TABs: the field delimiter, one\n"
    "              character or tab, comma, semicolon, space (default tab)\n"
    "  --merge-delimiters\n"
    "              runs of that delimiter count as one\n"
    "  --variables NAME[,NAME...]\n"
    "              read IN as a NetCDF file: the named variables, every\n"
    "              record, one row per record combination (the variables\n"
    "              must share their outer dimensions)\n"
    "  --sql STATEMENT\n"
    "              read IN as a database file (Access .mdb/.accdb or SQLite)\n"
    "              through its ODBC driver: the rows of the statement, the\n"
    "              column names in row 1; a statement error prints its\n"
    "              SQLSTATE and exits 1\n"
    "  --help      show this text and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Start the program from the folder that holds CVLib/ (its system name\n"
    "file chooses the language and the titles).\n";

// The program icon, drawn rather than loaded: a small table with a rising line.
QIcon ProgramIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setPen(QColor(160, 160, 160));
  for (int i = 0; i <= 32; i += 8) {
    p.drawLine(i, 0, i, 31);
    p.drawLine(0, i, 31, i);
  }
  p.setPen(QPen(QColor(0, 0, 128), 3));
  p.drawLine(3, 27, 12, 16);
  p.drawLine(12, 16, 19, 21);
  p.drawLine(19, 21, 29, 5);
  return QIcon(pixmap);
}

}  // namespace

int main(int argc, char** argv) {
  std::string file;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--convert") == 0) {
      ConvertRequest request;
      std::string error;
      if (ParseConvertArguments(argc, argv, i + 1, &request, &error) != 0) {
        std::fprintf(stderr, "cartovel: %s\n\n%s", error.c_str(), kUsage);
        return 2;
      }
      return RunConversion(request);
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("cartovel %s\n", CARTOVEL_VERSION);
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    }
    if (argv[i][0] == '-' && argv[i][1] != '\0') {
      std::fprintf(stderr, "cartovel: unknown option %s\n\n%s", argv[i], kUsage);
      return 2;
    }
    file = argv[i];
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Cartovel"));
  QApplication::setWindowIcon(ProgramIcon());
  QtBackend backend;
  SetBackend(&backend);
  InstallDialogViews();
  if (ProgramStart(ViewWindowClassProcs()) != 0) return 0;
  // The system name file chose the language: Qt's own texts follow it.
  InstallQtLanguage(LanguageIsChinese());
  if (!file.empty()) FrameOpenFilePath(file);
  int code = 0;
  if (!QuitRequested(&code)) code = QApplication::exec();
  SetBackend(nullptr);
  return code;
}
