#pragma once

// The menu bar of the main window. Each item's title key is its QAction's objectName, so
// items are told apart by key (MenuValidation) whatever the language. The menus hold only
// the commands whose work exists; the controller connects them.

#include <QList>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

namespace tavrel {

class TavrelMenus : public QObject
{
    Q_OBJECT

public:
    // Fills `menuBar`.
    explicit TavrelMenus(QMenuBar* menuBar, QObject* parent = nullptr);

    // The item with this title key; nullptr when the menus have none.
    QAction* action(const QString& titleKey) const;
    const QList<QAction*>& actions() const { return m_actions; }
    // Menus whose items are validated each time they open.
    const QList<QMenu*>& menus() const { return m_menus; }

private:
    QMenu* addMenu(QMenuBar* bar, const QString& titleKey);
    QAction* addItem(QMenu* menu, const QString& titleKey, const QString& shortcut = QString());

    QList<QAction*> m_actions;
    QList<QMenu*> m_menus;
};

} // namespace tavrel
