#pragma once

// Sends a page in its charset, honouring the behaviour a test has set for the request:
// slow answers trickle below curl's low-speed limit, aborted ones stop half-way.

#include "Behaviours.h"
#include "Exchange.h"
#include "text/TextEncoding.h"

#include <QByteArray>
#include <QString>

#include <atomic>

namespace tavrel::forumsim {

class PageReply
{
public:
    // The page as bytes: CP932, or ISO-2022-JP with "?" for what it cannot hold.
    static QByteArray encode(const QString& html, Charset charset);

    static void page(Exchange& exchange, const Behaviour& behaviour, const std::atomic_bool& stopping,
                     int status, const QString& html, Charset charset = Charset::ShiftJIS);
    static void bytes(Exchange& exchange, const Behaviour& behaviour, const std::atomic_bool& stopping,
                      int status, const QByteArray& body, const QByteArray& contentType);
};

} // namespace tavrel::forumsim
