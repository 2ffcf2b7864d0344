#pragma once

// The desktop's trash, through QFile::moveToTrash (the freedesktop trash folder on Linux).

#include "platform/Trash.h"

namespace tavrel {

class DesktopTrash : public Trash
{
public:
    bool moveToTrash(const QString& path) override;
};

} // namespace tavrel
