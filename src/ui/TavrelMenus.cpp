#include "ui/TavrelMenus.h"

#include "ui/WindowTexts.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tavrel {

TavrelMenus::TavrelMenus(QMenuBar* bar, QObject* parent)
    : QObject(parent)
{
    QMenu* file = addMenu(bar, QStringLiteral("FileMenuTitle"));
    addItem(file, QStringLiteral("KobetsuKaigishitsuSetteiMenuTitle"), QStringLiteral("Ctrl+I"));
    file->addSeparator();
    addItem(file, QStringLiteral("QuitMenuTitle"), QStringLiteral("Ctrl+Q"))->setMenuRole(QAction::QuitRole);

    QMenu* sousa = addMenu(bar, QStringLiteral("SousaMenuTitle"));
    addItem(sousa, QStringLiteral("SousaAccsessDodOvozaMenuTitle"), QStringLiteral("Ctrl+K"));
    addItem(sousa, QStringLiteral("SousaLogCutMenuTitle"));
    sousa->addSeparator();
    addItem(sousa, QStringLiteral("SousaReadMidokuMenuTitle"), QStringLiteral("Ctrl+R"));
    addItem(sousa, QStringLiteral("SousaCommentMotoMesMoveMenuTitle"), QStringLiteral("Ctrl+U"));
    addItem(sousa, QStringLiteral("GoBackMenuTitle"), QStringLiteral("Ctrl+["));

    QMenu* marks = addMenu(bar, QStringLiteral("MesAttrMenuTitle"));
    addItem(marks, QStringLiteral("SousaMesAttrMenuKidokuThisMesTitle"));
    addItem(marks, QStringLiteral("SousaMesAttrMenuKidokuThisBoardTitle"));
    addItem(marks, QStringLiteral("SousaMesAttrMenuKidokuAllBoardTitle"));
    marks->addSeparator();
    addItem(marks, QStringLiteral("SousaMesAttrMenuMidokuThisMesTitle"));
    addItem(marks, QStringLiteral("SousaMesAttrMenuMidokuThisBoardTitle"));
    marks->addSeparator();
    addItem(marks, QStringLiteral("SousaMesAttrMenuLockThisMesTitle"));
    addItem(marks, QStringLiteral("SousaMesAttrMenuDeleteThisMesTitle"));
    addItem(marks, QStringLiteral("SousaMesAttrMenuKaijoThisMesTitle"));

    // Linux has no dock: its one item lives in the Window menu.
    QMenu* window = addMenu(bar, QStringLiteral("WindowMenuTitle"));
    QAction* patrol = window->addAction(windowText(u"SousaAccsessDodOvozaMenuTitle"));
    patrol->setObjectName(QStringLiteral("SousaAccsessDodOvozaMenuTitle"));
    patrol->setProperty("dockMenuItem", true);
    m_actions.append(patrol);

    QMenu* help = addMenu(bar, QStringLiteral("HelpMenuTitle"));
    addItem(help, QStringLiteral("AboutMenuTitle"))->setMenuRole(QAction::AboutRole);
}

QAction* TavrelMenus::action(const QString& titleKey) const
{
    for (QAction* item : m_actions) {
        if (item->objectName() == titleKey)
            return item;
    }
    return nullptr;
}

QMenu* TavrelMenus::addMenu(QMenuBar* bar, const QString& titleKey)
{
    QMenu* menu = bar->addMenu(windowText(titleKey));
    menu->setObjectName(titleKey);
    m_menus.append(menu);
    return menu;
}

QAction* TavrelMenus::addItem(QMenu* menu, const QString& titleKey, const QString& shortcut)
{
    QAction* item = menu->addAction(windowText(titleKey));
    item->setObjectName(titleKey);
    if (!shortcut.isEmpty())
        item->setShortcut(QKeySequence(shortcut));
    m_actions.append(item);
    return item;
}

} // namespace tavrel
