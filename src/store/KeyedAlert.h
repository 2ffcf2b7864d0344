#pragma once

// Alerts whose texts are UI text keys, with the single button "OK".

#include "platform/AlertPanel.h"

#include <QStringView>

namespace tavrel {

// Shows the alert with the texts of `titleKey` and `messageKey`.
void showOkAlert(AlertPanel& panel, QStringView titleKey, QStringView messageKey);
// Shows the alert with the text of `titleKey` and a message already made.
void showOkAlertText(AlertPanel& panel, QStringView titleKey, const QString& message);

} // namespace tavrel
