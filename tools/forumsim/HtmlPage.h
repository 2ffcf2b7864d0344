#pragma once

// The frame every page of the simulated service shares, and escaping of plain text.

#include "text/TextEncoding.h"

#include <QString>

namespace tavrel::forumsim {

class HtmlPage
{
public:
    // A whole page: the head declares the charset the page is sent in.
    static QString document(const QString& title, Charset charset, const QString& bodyAttributes,
                            const QString& body);
    // A small page telling what went wrong.
    static QString errorPage(const QString& title, const QString& message);
    // "&", "<", ">" and the double quote as entities.
    static QString escape(const QString& text);
    // The charset name used in headers and declarations.
    static QString charsetName(Charset charset);
};

} // namespace tavrel::forumsim
