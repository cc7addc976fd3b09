// The program's texts as Qt strings, for window code.
#pragma once

#include <QString>

#include "resources/string_table.h"

// Text `id` in the program's language, as a QString.
inline QString TextQ(TextId id) { return QString::fromUtf8(Text(id)); }
