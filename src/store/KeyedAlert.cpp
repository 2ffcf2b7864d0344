#include "KeyedAlert.h"

#include "UiTexts.h"

namespace tavrel {

void showOkAlertText(AlertPanel& panel, QStringView titleKey, const QString& message)
{
    panel.runAlert({uiText(titleKey), message, {uiText(u"OK")}});
}

void showOkAlert(AlertPanel& panel, QStringView titleKey, QStringView messageKey)
{
    showOkAlertText(panel, titleKey, uiText(messageKey));
}

} // namespace tavrel
