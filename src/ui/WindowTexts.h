#pragma once

// Texts of the main window that only the window uses (menu names, the about panel, the
// per-board settings sheet). Keys of the shared UI text tables are found there first, so a
// key moved into them later keeps working.

#include <QString>
#include <QStringView>

namespace tavrel {

QString windowText(QStringView key);

} // namespace tavrel
