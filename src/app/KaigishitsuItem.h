#pragma once

// One node of the board tree: a forum node (first level, with the boards of that forum as
// children) or a board (a board log file, of which only the header is kept). Changes made
// here live in memory; the header reaches the file at the next save point.

#include "store/BoardLogHeader.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace tavrel {

class KaigishitsuItem
{
public:
    // An empty board item: empty path, empty header, empty forum name.
    KaigishitsuItem();
    // A forum node named `forumName`, with no children yet.
    static std::unique_ptr<KaigishitsuItem> initWithForumName(const QString& forumName);
    // A board item read from `path` (see readWithFile); check isBrokenFile().
    static std::unique_ptr<KaigishitsuItem> initWithFile(const QString& path);

    KaigishitsuItem(const KaigishitsuItem&) = delete;
    KaigishitsuItem& operator=(const KaigishitsuItem&) = delete;

    // Reads the header of the board log file at `path` (the body is never read when the file
    // is written header first). False, with isBrokenFile() on and a message in `error`, when
    // the file is not a readable board log file. Otherwise derives "ForumName" and
    // "BoardName" from the title in memory where they are absent or empty, and takes the
    // forum name from "ForumName".
    bool readWithFile(const QString& path, QString* error = nullptr);

    const QString& fullPath() const { return m_fullPath; }
    // The header of a board; nullptr for a forum node.
    const BoardLogHeader* header() const { return m_kaigishitsuHeader ? &*m_kaigishitsuHeader : nullptr; }
    BoardLogHeader* header() { return m_kaigishitsuHeader ? &*m_kaigishitsuHeader : nullptr; }
    bool isBrokenFile() const { return m_isBrokenFile; }
    bool isFirstLevel() const { return m_isFirstLevel; }
    void setIsFirstLebel(bool on) { m_isFirstLevel = on; }
    // The forum node this item was added to; nullptr at the top level.
    KaigishitsuItem* parent() const { return m_parent; }

    const QString& forumName() const { return m_forumName; }
    // The header's "BoardName"; empty without a header or that key.
    QString boardName() const;
    // "ForumID:KaigishitsuName", the board label of the main window.
    QString kaigishitsuTitle() const;
    QString kaigishitsuTitleForTable() const;
    QString kaigishitsuID() const;
    QString postURL() const;

    // The integer value of "MidokuSu".
    int midokuSuu() const;
    // Adds `n` (which may be negative) to "MidokuSu", saturating.
    void addMidokuSuu(int n);
    // A forum node: some board under it has unread messages; a board: it has.
    bool isMidokuAri() const;

    void setKaigishitsuName(const QString& name);
    void setBoardName(const QString& name);
    // Sets the forum name and, for a board, its header's "ForumName".
    void setForumName(const QString& name);

    int numberOfChildren() const { return int(m_children.size()); }
    // The child at `index`; nullptr when out of range.
    KaigishitsuItem* childAtIndex(int index) const;
    int indexOfChild(const KaigishitsuItem* child) const;
    void addChild(std::unique_ptr<KaigishitsuItem> child);

private:
    QString m_fullPath;
    std::optional<BoardLogHeader> m_kaigishitsuHeader;
    bool m_isFirstLevel = false;
    KaigishitsuItem* m_parent = nullptr;
    std::vector<std::unique_ptr<KaigishitsuItem>> m_children;
    QString m_forumName;
    bool m_isBrokenFile = false;
};

} // namespace tavrel
