#include "store/BoardNames.h"

#include <QList>

namespace tavrel {

std::optional<QString> forumNameFromTitle(QStringView title)
{
    const QList<QStringView> parts = title.split(titleSeparator);
    if (parts.size() <= 3)
        return std::nullopt;
    return parts.at(2).toString();
}

QString boardNameFromTitle(QStringView title)
{
    const QList<QStringView> parts = title.split(titleSeparator);
    if (parts.size() <= 3)
        return title.toString();
    // Everything after the third separator.
    qsizetype at = -1;
    for (int i = 0; i < 3; ++i)
        at = title.indexOf(titleSeparator, at + 1);
    return title.sliced(at + 1).toString();
}

} // namespace tavrel
