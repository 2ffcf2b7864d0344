#pragma once

// The comment link of a message block: the first link after "<!-- CON E -->", pointing into
// the service's domain. From it come the URL that posts a comment on the message and the URL
// that posts a new message on the board.

#include <QString>
#include <QStringView>

#include <optional>

namespace tavrel {

class TextScanner;

struct CommentLink
{
    QString postURL;
    QString commentURL;

    // Reads the link with `scanner` from its current position (the block's start); the
    // scanner is left where the reading stopped, found or not.
    static std::optional<CommentLink> read(TextScanner& scanner, QStringView serviceDomain);
};

} // namespace tavrel
