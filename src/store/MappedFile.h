#pragma once

// A file mapped read-only into memory with its pages filled at once: the bytes of a file as
// they are in the page cache, without copying them into fresh memory. The mapping stays valid
// while the object lives, even when the file is replaced meanwhile.

#include <QByteArrayView>
#include <QString>

#include <memory>

namespace tavrel {

class MappedFile
{
public:
    // Nothing when the file cannot be opened or mapped (an empty file cannot be mapped).
    static std::shared_ptr<const MappedFile> open(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    QByteArrayView bytes() const { return QByteArrayView(static_cast<const char*>(m_data), m_size); }

private:
    MappedFile(void* data, qsizetype size)
        : m_data(data)
        , m_size(size)
    {}

    void* m_data;
    qsizetype m_size;
};

} // namespace tavrel
