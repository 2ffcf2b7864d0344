#pragma once

// How a simulated board presents itself: title, explanation, colours, charset, password and
// the details of its links.

#include "BoardKind.h"
#include "text/TextEncoding.h"

#include <QString>

namespace tavrel::forumsim {

struct BoardSettings
{
    // How the board appears in the board lists.
    enum class Listing
    {
        Normal,  // a plain board line
        Skip,    // a line behind "skip:"
        Deleted, // a "del:" line
        Hidden,  // not listed at all
    };

    QString id;
    QString forumId;
    BoardKind kind = BoardKind::open();
    // The board's own name; the page title adds the service and forum parts.
    QString title;
    // Markup shown between the explanation markers; empty for none.
    QString explanation;
    // Body-tag colours, six hexadecimal digits each; empty ones are left out.
    QString bgColor;
    QString textColor;
    QString linkColor;
    QString vlinkColor;
    QString alinkColor;
    Charset charset = Charset::ShiftJIS;
    // The protection password (ktype/b_passwd on reading, wr_sppasswd on posting).
    QString password;
    // The "wr_add=" value of the board's comment links; empty for links without one.
    QString wrAdd;
    // Comment links written relative to the site ("/nbbin/...") instead of absolute.
    bool relativeLinks = false;
    Listing listing = Listing::Normal;
};

} // namespace tavrel::forumsim
