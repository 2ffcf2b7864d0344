#pragma once

// What the message text view shows for a record (`clickMessageTitleTable:` without the
// widget): the record's stored markup — the whole message block as cut from the board page,
// its header lines (number, title, name, date) included — cleaned and prepared as HTML, with
// the settings that shape it.
//
// A window shows it with a QTextBrowser: setDefaultStyleSheet(styleSheet) on its document,
// then setHtml(html); `fontFamily`, when set, replaces the family of every run (sizes, bold
// and italic stay), which the style sheet already asks for; `zoom` scales the view.

#include "store/BoardLogHeader.h"
#include "store/MessageRecord.h"

#include <QMetaType>
#include <QString>

#include <optional>

namespace tavrel {

struct MessageDisplayOptions
{
    // "KonoUserHenoActionJokyo": remove the per-user action block.
    bool konoUserHenoActionJokyo = false;
    // The text the service begins that block with ("ActionToThisUser").
    QString actionToThisUser;
    // "IsUseBoardOriginalColorSet": show the text in the board's own text colour.
    bool useBoardOriginalColor = false;
    // "HyoujiMessageUseFont": the family for the message text; none or empty keeps the
    // fonts of the markup.
    std::optional<QString> fontFamily;
    // "TextBrowserBairitsu": the zoom factor.
    double zoom = 1.0;
};

struct MessageDisplay
{
    QString html;
    QString styleSheet;
    std::optional<QString> fontFamily;
    double zoom = 1.0;

    friend bool operator==(const MessageDisplay&, const MessageDisplay&) = default;
};

class MessageDisplayBuilder
{
public:
    // The display of `record` on the board whose header is `boardHeader` (nullptr when none);
    // nothing when the record has no "Contents" (the view stays empty).
    static std::optional<MessageDisplay> build(const MessageRecord& record, const BoardLogHeader* boardHeader,
                                               const MessageDisplayOptions& options);
    // The cleaned HTML alone: control characters removed, the action block removed when asked,
    // image links added, the board's text colour around it when asked and valid.
    static QString html(const QString& contents, const BoardLogHeader* boardHeader,
                        const MessageDisplayOptions& options);
    // A style sheet that sets `family` for every element; empty for an empty family.
    static QString fontStyleSheet(const QString& family);
};

} // namespace tavrel

Q_DECLARE_METATYPE(tavrel::MessageDisplay)
