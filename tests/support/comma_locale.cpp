#include "support/comma_locale.h"

#include <clocale>

CommaDecimalLocale::CommaDecimalLocale() {
  const char* current = std::setlocale(LC_ALL, nullptr);
  previous_ = current ? current : "C";
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) == nullptr) continue;
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && conv->decimal_point[0] == ',') {
      active_ = true;
      return;
    }
  }
  std::setlocale(LC_ALL, previous_.c_str());
}

CommaDecimalLocale::~CommaDecimalLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
