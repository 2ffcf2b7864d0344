#include "store/MappedFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

std::shared_ptr<const MappedFile> MappedFile::open(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat info = {};
    void* data = MAP_FAILED;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
        data = ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    ::close(fd);
    if (data == MAP_FAILED)
        return nullptr;
    return std::shared_ptr<const MappedFile>(new MappedFile(data, qsizetype(info.st_size)));
}

MappedFile::~MappedFile()
{
    ::munmap(m_data, size_t(m_size));
}

} // namespace tavrel
