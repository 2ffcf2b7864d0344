#pragma once

// Half-width katakana and punctuation (U+FF5F–U+FF9F) to their full-width forms, a voiced or
// semi-voiced sound mark joining the kana before it where a combined form exists.

#include <QString>
#include <QStringView>

namespace tavrel {

QString convertHalfWidthToFullWidth(QStringView text);

} // namespace tavrel
