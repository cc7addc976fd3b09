// The program-wide language: English, or Simplified Chinese when the system
// name file asks for it. Every text, menu and dialog follows this one flag.
#pragma once

// True when the program speaks Simplified Chinese.
bool LanguageIsChinese();

// Choose the language (the shell, after reading the system name file).
void LanguageSetChinese(bool chinese);
