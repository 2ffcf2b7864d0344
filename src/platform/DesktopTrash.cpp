#include "DesktopTrash.h"

#include <QFile>

namespace tavrel {

bool DesktopTrash::moveToTrash(const QString& path)
{
    return QFile::moveToTrash(path);
}

} // namespace tavrel
