#pragma once

// Cutting one message block of a board page (the text between "<!-- BEGIN -->" and
// "<!-- END -->") into a message record: number, commented number, title, name, date,
// comment and post URLs, reference, e-mail and the contents markup.

#include "store/MessageRecord.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

struct CutMessage
{
    MessageRecord record;
    // The URL a new message of the board is posted to, when the block has a complete
    // comment link.
    std::optional<QString> postURL;
};

class MessageBlock
{
public:
    // `serviceDomain` is the service's domain name; comment links point into it. `now` fills
    // the parts of a date the block lacks.
    static CutMessage cut(QStringView block, QStringView serviceDomain,
                          const QDateTime& now = QDateTime::currentDateTime());

    // The block without its table, row and cell tags (white space that directly follows a
    // dropped tag or a "<" is lost with it).
    static QString contents(QStringView block);
    // The address of the last mailto: link inside the e-mail markers; nothing without one.
    static std::optional<QString> eMail(QStringView block);
};

} // namespace tavrel
