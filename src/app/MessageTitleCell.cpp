#include "MessageTitleCell.h"

#include "text/IntegerValue.h"

#include <algorithm>

namespace tavrel {

QString MessageTitleCell::text(const MessageRecord& record)
{
    const int indent = std::clamp(integerValue(record.indentLevel()), 0, maxIndent);
    return QString(indent, u' ') + record.number() + u"  " + record.name() + u"  " + record.title() +
           suffix(record);
}

QString MessageTitleCell::suffix(const MessageRecord& record)
{
    if (record.lock() == u"YES")
        return QStringLiteral("    (Locked)");
    if (record.lock() == u"DEL")
        return QStringLiteral("    (Delete)");
    return {};
}

} // namespace tavrel
