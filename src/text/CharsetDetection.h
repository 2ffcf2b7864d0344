#pragma once

// Finds the charset of a downloaded HTML page: Shift_JIS unless the first head part declares
// "iso-2022-jp" (and, for the application, unless the page holds the ISO-2022-JP switch to
// JIS X 0208).

#include "TextEncoding.h"

#include <QStringView>

namespace tavrel {

// The log cutter's detection: the charset declaration in the head only.
Charset detectCharsetForLogCutter(QStringView page);

// The application's detection: the declaration, then ESC "$" "B" anywhere in the page makes
// it ISO-2022-JP whatever the declaration said.
Charset detectCharsetForApplication(QStringView page);

} // namespace tavrel
