#include "store/PlistValueReader.h"

#include "store/PropertyList.h"

namespace tavrel {

using Element = PlistDocument::Element;

std::nullopt_t PlistValueReader::fail(pugi::xml_node node, const QString& what)
{
    m_error = m_document.failure(node, what);
    return std::nullopt;
}

std::optional<PlistValue> PlistValueReader::read(pugi::xml_node node, int depth)
{
    switch (PlistDocument::elementOf(node)) {
    case Element::String:
        if (auto text = PlistDocument::text(node))
            return PlistValue(std::move(*text));
        return fail(node, QStringLiteral("a bare \"&\", a bad reference or an element in <string>"));
    case Element::Integer:
        if (auto text = PlistDocument::utf8Text(node)) {
            if (auto number = PlistDocument::parseInteger(*text))
                return PlistValue(*number);
        }
        return fail(node, QStringLiteral("malformed <integer>"));
    case Element::Real:
        if (auto text = PlistDocument::utf8Text(node)) {
            if (auto number = PlistDocument::parseReal(*text))
                return PlistValue(*number);
        }
        return fail(node, QStringLiteral("malformed <real>"));
    case Element::True:
    case Element::False:
        if (PlistDocument::holdsText(node) || node.first_child())
            return fail(node, QStringLiteral("content in <true/> or <false/>"));
        return PlistValue(PlistDocument::elementOf(node) == Element::True);
    case Element::Date:
        if (auto text = PlistDocument::utf8Text(node)) {
            if (auto date = PlistDocument::parseDate(*text))
                return PlistValue(*date);
        }
        return fail(node, QStringLiteral("malformed <date>"));
    case Element::Data:
        if (auto text = PlistDocument::utf8Text(node)) {
            if (auto bytes = PlistDocument::parseData(*text))
                return PlistValue(*bytes);
        }
        return fail(node, QStringLiteral("malformed base64 in <data>"));
    case Element::Array:
        return readArray(node, depth);
    case Element::Dict:
        return readDict(node, depth);
    case Element::Key:
        return fail(node, QStringLiteral("<key> outside a dictionary"));
    case Element::Unknown:
        break;
    }
    return fail(node, QStringLiteral("unknown element <%1>").arg(QString::fromUtf8(node.name())));
}

std::optional<PlistValue> PlistValueReader::readArray(pugi::xml_node node, int depth)
{
    if (depth >= PropertyList::maxDepth)
        return fail(node, QStringLiteral("containers nested too deeply"));
    if (PlistDocument::holdsText(node))
        return fail(node, QStringLiteral("text in <array>"));
    PlistArray array;
    for (pugi::xml_node child : node.children()) {
        if (child.type() != pugi::node_element) {
            if (PlistDocument::isBlank(child))
                continue;
            return fail(child, QStringLiteral("text in <array>"));
        }
        std::optional<PlistValue> item = read(child, depth + 1);
        if (!item)
            return std::nullopt;
        array.append(std::move(*item));
    }
    return PlistValue(std::move(array));
}

std::optional<PlistValue> PlistValueReader::readDict(pugi::xml_node node, int depth)
{
    if (depth >= PropertyList::maxDepth)
        return fail(node, QStringLiteral("containers nested too deeply"));
    PlistDict dict;
    const bool ok = m_document.forEachEntry(
        node,
        [&](QByteArrayView key, pugi::xml_node value) {
            std::optional<PlistValue> item = read(value, depth + 1);
            if (!item)
                return false;
            dict.insert(QString::fromUtf8(key), std::move(*item));
            return true;
        },
        &m_error);
    if (!ok)
        return std::nullopt;
    return PlistValue(std::move(dict));
}

} // namespace tavrel
