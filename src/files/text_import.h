// Opening a file that is not a native table file: delimited text read into
// a table, resized or sampled when the file is larger than the table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "files/text_bytes.h"
#include "platform/window.h"

class TextSource;

// How the delimiter of a text without TABs is chosen.
struct TextImportChoice {
  bool bAskWizard = true;   // show the Text Import Wizard
  char cDelimiter = '\t';   // without the wizard: the delimiter
  bool bMerge = false;      // without the wizard: runs of delimiters count as one
};

// The head of a file that is read first, for the TAB test and the preview.
inline constexpr std::size_t IMPORT_HEAD_BYTES = 200000;

// Import the file at `path` into a freshly created table window, by the
// table's open mode. 0, or -1 when nothing could be read.
int TextImportOpen(WindowHandle hwnd, std::string_view path);
// The same with the delimiter chosen by the caller (the command line).
int TextImportOpenWith(WindowHandle hwnd, std::string_view path, const TextImportChoice& choice);

// A reader of whole files by path, set at start-up by an area above this
// one (NetCDF files are read through their own library, not as text). 0,
// or -1 when nothing could be read.
using PathReader = int (*)(WindowHandle hwnd, std::string_view path);
// Give an open mode its path reader (nullptr takes it away again).
void TextImportSetPathReader(int mode, PathReader reader);

// A reader of one kind of text file, given the open file and its head
// (its first IMPORT_HEAD_BYTES bytes), set at start-up by an area above
// this one (stock history and MODAS files). 0, or -1 when nothing was read.
using HeadReader = int (*)(WindowHandle hwnd, const TextSource& source, std::string_view head,
                           const TextImportChoice& choice);
// Give an open mode its head reader (nullptr takes it away again).
void TextImportSetHeadReader(int mode, HeadReader reader);

// The field syntax of a text from its head: TAB only when its first lines
// hold a TAB, else the wizard's delimiter (or the caller's). 1 when chosen,
// 0 when the wizard was cancelled.
int TextImportChooseSyntax(WindowHandle hwnd, std::string_view head, const TextImportChoice& choice,
                           TextSyntax* syntax);

// The head of a file as the dialogs show it: UTF-8, without a character
// cut at its end.
std::string TextImportPreview(std::string_view head);

// 1 when files of an open mode (OPEN_FILE, OPEN_STOCK, ...) can be read.
int TextImportHasReader(int mode);

// The number of TAB bytes before the sixth CR or LF byte of a file's head;
// *previewLength becomes the position just after that byte (or the length).
int SniffTabs(const char* buffer, std::size_t length, std::size_t* previewLength);
