#include "WarehouseHeaderSource.h"

#include "store/BoardLogFile.h"
#include "store/DataFolder.h"
#include "store/SafeName.h"

namespace tavrel {

WarehouseHeaderSource::WarehouseHeaderSource(const DataFolder& dataFolder)
    : m_dataFolder(dataFolder)
{}

std::optional<QString> WarehouseHeaderSource::dateOfLastMes(const QString& bbsID) const
{
    if (!isSafeFileName(bbsID) || bbsID.startsWith(u'.') || bbsID.startsWith(u'_'))
        return std::nullopt;
    const std::optional<BoardLogHeader> header =
        BoardLogFile::readHeader(m_dataFolder.warehousePath() + u'/' + bbsID);
    if (!header)
        return std::nullopt;
    return header->dateOfLastMes();
}

} // namespace tavrel
