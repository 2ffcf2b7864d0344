#pragma once

// Moving a file to the user's trash, where the user can still get it back.

#include <QString>

namespace tavrel {

class Trash
{
public:
    virtual ~Trash() = default;

    // Moves the file at `path` to the trash; false when it could not be moved (it then stays).
    virtual bool moveToTrash(const QString& path) = 0;
};

} // namespace tavrel
