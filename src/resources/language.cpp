#include "resources/language.h"

namespace {
bool bChinese = false;
}  // namespace

bool LanguageIsChinese() { return bChinese; }

void LanguageSetChinese(bool chinese) { bChinese = chinese; }
