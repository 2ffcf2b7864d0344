#pragma once

// Cutting a MyDesk message page into message records. The page has no comment markers: each
// message is found by its sender link, the cell with the sender's member identifier, the date
// cell and the message text cell. A record's "Number" is the message's day (yyyyMMdd), which
// several records may share.

#include "store/MessageRecord.h"

#include <QDateTime>
#include <QList>
#include <QStringView>

namespace tavrel {

class MyDeskPage
{
public:
    // Every message of the page whose cells follow the expected order, in page order; the
    // others are skipped. `now` fills the parts of a date the page lacks.
    static QList<MessageRecord> messages(QStringView page,
                                         const QDateTime& now = QDateTime::currentDateTime());
};

} // namespace tavrel
