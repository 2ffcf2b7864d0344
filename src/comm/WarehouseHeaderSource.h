#pragma once

// Board headers straight from the board log files of the Warehouse folder (header only), for
// use while no board tree stands in.

#include "comm/BoardHeaderSource.h"

namespace tavrel {

class DataFolder;

class WarehouseHeaderSource : public BoardHeaderSource
{
public:
    explicit WarehouseHeaderSource(const DataFolder& dataFolder);

    // Names that the Warehouse listing skips (beginning with "." or "_") or that are not safe
    // file names have no row; neither has a missing or broken file.
    std::optional<QString> dateOfLastMes(const QString& bbsID) const override;

private:
    const DataFolder& m_dataFolder;
};

} // namespace tavrel
