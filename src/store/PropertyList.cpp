#include "store/PropertyList.h"

#include "store/PlistDocument.h"
#include "store/PlistWriter.h"

#include <QFile>
#include <QSaveFile>

namespace tavrel {

namespace {

using Element = PlistDocument::Element;

class ValueBuilder
{
public:
    explicit ValueBuilder(const PlistDocument& document)
        : m_document(document)
    {}

    std::optional<PlistValue> build(pugi::xml_node node, int depth)
    {
        switch (PlistDocument::elementOf(node)) {
        case Element::String:
            if (auto text = PlistDocument::text(node))
                return PlistValue(std::move(*text));
            return fail(node, QStringLiteral("malformed text in <string>"));
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
            if (node.first_child() && !PlistDocument::isBlank(node.first_child()))
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
            return buildArray(node, depth);
        case Element::Dict:
            return buildDict(node, depth);
        case Element::Key:
            return fail(node, QStringLiteral("<key> outside a dictionary"));
        case Element::Unknown:
            break;
        }
        return fail(node, QStringLiteral("unknown element <%1>").arg(QString::fromUtf8(node.name())));
    }

    QString error;

private:
    std::nullopt_t fail(pugi::xml_node node, const QString& what)
    {
        error = m_document.failure(node, what);
        return std::nullopt;
    }

    std::optional<PlistValue> buildArray(pugi::xml_node node, int depth)
    {
        if (depth >= PropertyList::maxDepth)
            return fail(node, QStringLiteral("containers nested too deeply"));
        PlistArray array;
        for (pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) {
                if (PlistDocument::isBlank(child))
                    continue;
                return fail(child, QStringLiteral("text in <array>"));
            }
            std::optional<PlistValue> item = build(child, depth + 1);
            if (!item)
                return std::nullopt;
            array.append(std::move(*item));
        }
        return PlistValue(std::move(array));
    }

    std::optional<PlistValue> buildDict(pugi::xml_node node, int depth)
    {
        if (depth >= PropertyList::maxDepth)
            return fail(node, QStringLiteral("containers nested too deeply"));
        PlistDict dict;
        std::optional<QString> key;
        for (pugi::xml_node child : node.children()) {
            if (child.type() != pugi::node_element) {
                if (PlistDocument::isBlank(child))
                    continue;
                return fail(child, QStringLiteral("text in <dict>"));
            }
            if (!key) {
                if (PlistDocument::elementOf(child) != Element::Key)
                    return fail(child, QStringLiteral("a value without its <key> in <dict>"));
                key = PlistDocument::text(child);
                if (!key)
                    return fail(child, QStringLiteral("malformed text in <key>"));
                continue;
            }
            std::optional<PlistValue> item = build(child, depth + 1);
            if (!item)
                return std::nullopt;
            dict.insert(*key, std::move(*item));
            key.reset();
        }
        if (key)
            return fail(node, QStringLiteral("a <key> without its value in <dict>"));
        return PlistValue(std::move(dict));
    }

    const PlistDocument& m_document;
};

bool setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

std::optional<PlistValue> parseBytes(QByteArray bytes, QString* error, PropertyList::Root root)
{
    using Root = PropertyList::Root;
    PlistDocument document;
    if (!document.load(std::move(bytes), error))
        return std::nullopt;
    const Element top = PlistDocument::elementOf(document.rootValue());
    if (root == Root::Dictionary && top != Element::Dict) {
        setError(error, QStringLiteral("the root is not a dictionary"));
        return std::nullopt;
    }
    if (root == Root::Array && top != Element::Array) {
        setError(error, QStringLiteral("the root is not an array"));
        return std::nullopt;
    }
    ValueBuilder builder(document);
    std::optional<PlistValue> value = builder.build(document.rootValue(), 0);
    if (!value)
        setError(error, builder.error);
    return value;
}

} // namespace

std::optional<PlistValue> PropertyList::parse(QByteArrayView bytes, QString* error, Root root)
{
    return parseBytes(bytes.toByteArray(), error, root);
}

std::optional<PlistValue> PropertyList::readFile(const QString& path, QString* error, Root root)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, path + u": " + file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, path + u": " + file.errorString());
        return std::nullopt;
    }
    QString message;
    std::optional<PlistValue> value = parseBytes(std::move(bytes), &message, root);
    if (!value)
        setError(error, path + u": " + message);
    return value;
}

std::optional<PlistDict> PropertyList::readDictionaryFile(const QString& path, QString* error)
{
    std::optional<PlistValue> value = readFile(path, error, Root::Dictionary);
    if (!value)
        return std::nullopt;
    return value->toDict();
}

QByteArray PropertyList::serialize(const PlistValue& value)
{
    PlistWriter writer;
    writer.value(value);
    return writer.finish();
}

bool PropertyList::writeFile(const QString& path, const PlistValue& value, QString* error)
{
    return writeBytes(path, serialize(value), error);
}

bool PropertyList::writeBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return setError(error, path + u": " + file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString message = path + u": " + file.errorString();
        file.cancelWriting();
        return setError(error, message);
    }
    if (!file.commit())
        return setError(error, path + u": " + file.errorString());
    return true;
}

} // namespace tavrel
