#pragma once

// A private MyDesk message between two members.

#include <QDateTime>
#include <QString>

namespace tavrel::forumsim {

struct MyDeskMessage
{
    int id = 0;
    QString toId;
    QString fromId;
    QString fromName;
    // Plain text; its first line is the title.
    QString text;
    QDateTime date;
    bool read = false;
};

} // namespace tavrel::forumsim
