#pragma once

// The board tree as an item model for an outline view: forum nodes at the top level, their
// boards below them, one column. Every forum is always expanded, so the tree also has flat
// rows: row 0 is the first forum node, row 1 its first board, and so on; the browser speaks
// of boards by these rows. A view shows every forum expanded: after each reset it expands
// all forum nodes, and it never collapses one.

#include "app/BoardTreeBuilder.h"
#include "app/BrowserRoles.h"

#include <QAbstractItemModel>
#include <QHash>

#include <vector>

namespace tavrel {

class BoardTreeModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit BoardTreeModel(QObject* parent = nullptr);
    ~BoardTreeModel() override;

    // Replaces the whole tree (`kaigishitsuArray`).
    void setKaigishitsuArray(KaigishitsuArray array);
    const KaigishitsuArray& kaigishitsuArray() const { return m_kaigishitsuArray; }

    void setUnreadTitleColor(const UnreadTitleColor& color);
    // Redraws every row (bold and colour follow the unread counts).
    void reloadData();

    // Flat rows.
    int flatRowCount() const { return int(m_rows.size()); }
    // The item at a flat row; nullptr out of range.
    KaigishitsuItem* itemAtRow(int row) const;
    // The board (not forum node) at a flat row; nullptr for a forum row or out of range.
    KaigishitsuItem* boardAtRow(int row) const;
    // The flat row of an item; -1 when it is not in the tree.
    int rowForItem(const KaigishitsuItem* item) const;
    // The first board row whose board log file is `fullPath`; -1 when none.
    int rowForFullPath(const QString& fullPath) const;
    QModelIndex indexForRow(int row) const;
    int rowForIndex(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void rebuildRows();
    KaigishitsuItem* itemOf(const QModelIndex& index) const;
    int topRowOf(const KaigishitsuItem* forum) const;

    KaigishitsuArray m_kaigishitsuArray;
    UnreadTitleColor m_unreadTitleColor;
    std::vector<KaigishitsuItem*> m_rows;
    QHash<const KaigishitsuItem*, int> m_topIndex; // position of each forum node
    QHash<const KaigishitsuItem*, int> m_flatRow;
};

} // namespace tavrel
