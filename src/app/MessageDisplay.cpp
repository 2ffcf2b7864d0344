#include "MessageDisplay.h"

#include "app/MessageHtml.h"

namespace tavrel {

std::optional<MessageDisplay> MessageDisplayBuilder::build(const MessageRecord& record,
                                                           const BoardLogHeader* boardHeader,
                                                           const MessageDisplayOptions& options)
{
    if (!record.contains(MessageRecord::Contents))
        return std::nullopt;
    MessageDisplay display;
    display.html = html(record.contents(), boardHeader, options);
    if (options.fontFamily && !options.fontFamily->isEmpty()) {
        display.fontFamily = options.fontFamily;
        display.styleSheet = fontStyleSheet(*options.fontFamily);
    }
    display.zoom = options.zoom;
    return display;
}

QString MessageDisplayBuilder::html(const QString& contents, const BoardLogHeader* boardHeader,
                                    const MessageDisplayOptions& options)
{
    QString text = withoutControlCharacters(contents);
    if (options.konoUserHenoActionJokyo)
        text = withoutUserActionBlock(text, options.actionToThisUser);
    imgTagAddLink(text);
    if (options.useBoardOriginalColor && boardHeader)
        text = withBoardTextColor(text, boardHeader->value(BoardLogHeader::BodyTagTextColor));
    return text;
}

QString MessageDisplayBuilder::fontStyleSheet(const QString& family)
{
    if (family.isEmpty())
        return {};
    QString quoted = family;
    quoted.replace(QStringLiteral("\\"), QStringLiteral("\\\\"))
        .replace(QStringLiteral("\""), QStringLiteral("\\\""));
    quoted.remove(u'\n').remove(u'\r');
    return u"* { font-family: \"" + quoted + u"\"; }";
}

} // namespace tavrel
