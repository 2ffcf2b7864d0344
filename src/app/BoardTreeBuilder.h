#pragma once

// Builds the board tree from the Warehouse folder (`makeBrowseKaigishitsuTable`): one board
// item per board log file, in listing order, under forum nodes made in order of first
// appearance. A file that cannot be read is reported, with the choice of moving it to the
// trash, and left out.

#include "app/KaigishitsuItem.h"

#include <QString>

#include <memory>
#include <vector>

namespace tavrel {

class AlertPanel;
class SystemLog;
class Trash;

using KaigishitsuArray = std::vector<std::unique_ptr<KaigishitsuItem>>;

class BoardTreeBuilder
{
public:
    BoardTreeBuilder(AlertPanel& alerts, Trash& trash, SystemLog& log);

    // The forum nodes of the board log files in `warehousePath` (listed by name; names
    // beginning with "." or "_" skipped). A folder that cannot be listed gives no nodes.
    KaigishitsuArray makeBrowseKaigishitsuTable(const QString& warehousePath);

    // The names of `warehousePath` that are board log files to read, in listing order.
    static QStringList boardLogNames(const QString& warehousePath);

private:
    void reportBrokenFile(const QString& path, const QString& name);

    AlertPanel& m_alerts;
    Trash& m_trash;
    SystemLog& m_log;
};

} // namespace tavrel
