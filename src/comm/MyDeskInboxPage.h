#pragma once

// What the run reads from a saved MyDesk inbox page: the addresses of the unread messages
// (each marked by the unread marker, its link the next "<a href="..."> after it), and
// whether the page also lists a message already read, which ends the inbox scan.

#include <QString>
#include <QStringList>

namespace tavrel {

class MyDeskInboxPage
{
public:
    struct Result
    {
        // "http://<member host>/forum/message/" + each unread message's link, in page order.
        QStringList unreadURLs;
        bool hasReadMessage = false;
    };

    // Reads the page text; markers are matched without regard to letter case. A link that
    // would not make a plain URL (control characters, blanks) is left out.
    static Result read(QStringView page, const QString& unreadMarker, const QString& readMarker,
                       const QString& memberHost);
    // Reads a saved page as Shift_JIS (byte by byte when it is not valid Shift_JIS); a
    // missing or unreadable file is a page without messages.
    static Result readFile(const QString& path, const QString& unreadMarker, const QString& readMarker,
                           const QString& memberHost);
};

} // namespace tavrel
