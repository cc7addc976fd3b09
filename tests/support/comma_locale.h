// Test support: switch the C locale to one whose decimal separator is a
// comma, to show that number texts do not follow the user's locale.
#pragma once

#include <string>

class CommaDecimalLocale {
 public:
  // Tries the usual German, French and Dutch locale names; active() tells
  // whether one of them is installed.
  CommaDecimalLocale();
  ~CommaDecimalLocale();
  CommaDecimalLocale(const CommaDecimalLocale&) = delete;
  CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;
  bool active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

// Use at the top of a test body.
#define REQUIRE_COMMA_DECIMAL_LOCALE(guard)                                                  \
  CommaDecimalLocale guard;                                                                  \
  if (!guard.active()) {                                                                     \
    GTEST_SKIP() << "no comma-decimal locale is installed (see `locale -a`), e.g. de_DE.UTF-8"; \
  }
