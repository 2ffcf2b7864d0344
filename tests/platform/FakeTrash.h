#pragma once

// Trash for tests: records every path asked for and, when told to, really removes the file
// (so a test can see it gone) or refuses.

#include "platform/Trash.h"

#include <QFile>
#include <QStringList>

namespace tavrel::test {

class FakeTrash : public Trash
{
public:
    bool moveToTrash(const QString& path) override
    {
        m_paths.append(path);
        return m_refuse ? false : QFile::remove(path);
    }

    void setRefuse(bool refuse) { m_refuse = refuse; }
    const QStringList& paths() const { return m_paths; }

private:
    QStringList m_paths;
    bool m_refuse = false;
};

} // namespace tavrel::test
