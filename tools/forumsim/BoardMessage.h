#pragma once

// One message of a simulated board as the service stores it.

#include <QDateTime>
#include <QString>

namespace tavrel::forumsim {

struct BoardMessage
{
    int number = 0;
    // The number of the message this one comments on; 0 for none.
    int comment = 0;
    // Title, poster's name and body are markup, shown as stored (posts arrive escaped by the
    // client unless the poster used tags).
    QString title;
    QString name;
    // The poster's member ID; empty for a guest on an open board.
    QString memberId;
    QString email;
    QString body;
    // The poster's link (new-style boards only).
    QString link;
    // The image shown with the message, an absolute URL; empty for none.
    QString image;
    QString deleteKeyword;
    QDateTime date;
};

} // namespace tavrel::forumsim
