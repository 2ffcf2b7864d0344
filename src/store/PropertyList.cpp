#include "store/PropertyList.h"

#include "store/PlistDocument.h"
#include "store/PlistValueReader.h"
#include "store/PlistWriter.h"

#include <QSaveFile>

namespace tavrel {

namespace {

using Element = PlistDocument::Element;

bool setError(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

// The value of a loaded document, when its root has the wanted type.
std::optional<PlistValue> valueOf(const PlistDocument& document, QString* error, PropertyList::Root root)
{
    using Root = PropertyList::Root;
    const Element top = PlistDocument::elementOf(document.rootValue());
    if (root == Root::Dictionary && top != Element::Dict) {
        setError(error, QStringLiteral("the root is not a dictionary"));
        return std::nullopt;
    }
    if (root == Root::Array && top != Element::Array) {
        setError(error, QStringLiteral("the root is not an array"));
        return std::nullopt;
    }
    PlistValueReader reader(document);
    std::optional<PlistValue> value = reader.read(document.rootValue(), 0);
    if (!value)
        setError(error, reader.error());
    return value;
}

} // namespace

std::optional<PlistValue> PropertyList::parse(QByteArrayView bytes, QString* error, Root root)
{
    PlistDocument document;
    if (!document.load(bytes.toByteArray(), error))
        return std::nullopt;
    return valueOf(document, error, root);
}

std::optional<PlistValue> PropertyList::readFile(const QString& path, QString* error, Root root)
{
    PlistDocument document;
    if (!document.loadFile(path, error))
        return std::nullopt;
    QString message;
    std::optional<PlistValue> value = valueOf(document, &message, root);
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
    return writePieces(path, {QByteArrayView(bytes)}, error);
}

bool PropertyList::writePieces(const QString& path, std::initializer_list<QByteArrayView> pieces,
                               QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return setError(error, path + u": " + file.errorString());
    for (const QByteArrayView piece : pieces) {
        if (file.write(piece.data(), piece.size()) != piece.size()) {
            const QString message = path + u": " + file.errorString();
            file.cancelWriting();
            return setError(error, message);
        }
    }
    if (!file.commit())
        return setError(error, path + u": " + file.errorString());
    return true;
}

} // namespace tavrel
