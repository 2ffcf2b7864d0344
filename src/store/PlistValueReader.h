#pragma once

// Builds property-list values from the elements of a loaded document.

#include "store/PlistDocument.h"
#include "store/PlistValue.h"

#include <QString>

#include <optional>

namespace tavrel {

class PlistValueReader
{
public:
    explicit PlistValueReader(const PlistDocument& document)
        : m_document(document)
    {}

    // The value of `node`, which stands `depth` containers deep; nothing (and `error()` says
    // why) when it or anything in it is malformed or nested too deeply.
    std::optional<PlistValue> read(pugi::xml_node node, int depth);

    const QString& error() const { return m_error; }

private:
    std::nullopt_t fail(pugi::xml_node node, const QString& what);
    std::optional<PlistValue> readArray(pugi::xml_node node, int depth);
    std::optional<PlistValue> readDict(pugi::xml_node node, int depth);

    const PlistDocument& m_document;
    QString m_error;
};

} // namespace tavrel
