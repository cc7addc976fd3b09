// The language of Qt's own texts: the buttons of message boxes, the file
// dialogs and the standard menus of text boxes.
#pragma once

// Chinese: Qt's texts in Simplified Chinese (from Qt's translation files);
// otherwise its built-in English. Returns false when Chinese was asked for
// and the translation could not be loaded (Qt's texts stay English).
bool InstallQtLanguage(bool chinese);
