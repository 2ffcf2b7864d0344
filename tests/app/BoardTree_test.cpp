#include "BrowserTestSupport.h"
#include "store/UiTexts.h"
#include "support/QtPrinters.h"

#include <QFile>

using namespace tavrel;
using namespace tavrel::test;
using namespace Qt::StringLiterals;

namespace {

// The outline as text: forum rows bare, board rows indented, "*" for bold.
QStringList outline(const BoardTreeModel& model)
{
    QStringList rows;
    for (int row = 0; row < model.flatRowCount(); ++row) {
        const QModelIndex index = model.indexForRow(row);
        EXPECT_EQ(model.rowForIndex(index), row);
        QString text = model.data(index).toString();
        if (model.data(index, IsBoldRole).toBool())
            text += u'*';
        rows.append(model.itemAtRow(row)->isFirstLevel() ? text : u"  " + text);
    }
    return rows;
}

class BoardTree : public BrowserFixture
{
protected:
    KaigishitsuArray build()
    {
        BoardTreeBuilder builder(alerts, trash, log);
        return builder.makeBrowseKaigishitsuTable(warehouse);
    }
};

} // namespace

TEST_F(BoardTree, ForumsInListingOrderUnknownForumsApartBackupsShown)
{
    board(u"a"_s, u"F1"_s, {{u"1"_s}});
    // No forum name, but a title of four parts names forum F2 and board X.
    BoardLogHeader fromTitle = makeHeader(u"b"_s, QString(), {});
    fromTitle.remove(BoardLogHeader::BoardName);
    fromTitle.setKaigishitsuName(u"A：B：F2：X"_s);
    writeBoard(warehouse + u"/b", fromTitle, {{u"1"_s, u"0"_s, false}});
    board(u"c"_s, u"F1"_s, {{u"1"_s, u"0"_s, false}});
    board(u"d"_s, QString(), {});
    board(u"e"_s, QString(), {});
    QFile::copy(warehouse + u"/a", warehouse + u"/a.1"); // a backup log file
    board(u"_skipped"_s, u"F1"_s, {});
    board(u".hidden"_s, u"F1"_s, {});
    dir.makeDir(u"Warehouse/folder"_s);

    log.setDetailEnabled(true);
    tree.setKaigishitsuArray(build());
    const QString unknown = uiText(u"ForumNameFumei");
    EXPECT_EQ(outline(tree), (QStringList{u"F1*"_s, u"  board a*"_s, u"  board a*"_s, u"  board c"_s, u"F2"_s,
                                          u"  X"_s, unknown, u"  board d"_s, unknown, u"  board e"_s}));
    EXPECT_EQ(tree.itemAtRow(2)->fullPath(), warehouse + u"/a.1");
    EXPECT_EQ(tree.rowForFullPath(warehouse + u"/c"), 3);
    EXPECT_EQ(tree.rowForFullPath(QString()), -1);
    EXPECT_TRUE(alerts.alerts().isEmpty());
    EXPECT_EQ(log.lines(),
              (QStringList{u"Read File in Warehouse Folder : a"_s, u"Read File in Warehouse Folder : a.1"_s,
                           u"Read File in Warehouse Folder : b"_s, u"Read File in Warehouse Folder : c"_s,
                           u"Read File in Warehouse Folder : d"_s, u"Read File in Warehouse Folder : e"_s}));

    // Two levels; forum nodes cannot be selected, boards can; nothing is editable.
    EXPECT_EQ(tree.rowCount(), 4);
    const QModelIndex f1 = tree.index(0, 0);
    EXPECT_EQ(tree.rowCount(f1), 3);
    EXPECT_TRUE(tree.hasChildren(f1));
    EXPECT_FALSE(tree.hasChildren(tree.index(0, 0, f1)));
    EXPECT_EQ(tree.parent(tree.index(2, 0, f1)), f1);
    EXPECT_EQ(tree.flags(f1), Qt::ItemIsEnabled);
    EXPECT_EQ(tree.flags(tree.index(0, 0, f1)), Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

TEST_F(BoardTree, BrokenFilesAreReportedWithTheTrashChoice)
{
    board(u"good"_s, u"F"_s, {});
    const QString kept = dir.writeFile(u"Warehouse/broken1"_s, "<plist><dict><key>Header</key>");
    const QString trashed = dir.writeFile(u"Warehouse/broken2"_s, "not a property list");
    alerts.queueAnswer(AlertAnswer::Default);
    alerts.queueAnswer(AlertAnswer::Alternate);

    tree.setKaigishitsuArray(build());
    EXPECT_EQ(outline(tree), (QStringList{u"F"_s, u"  board good"_s}));
    ASSERT_EQ(alerts.alerts().size(), 2);
    const AlertRequest& alert = alerts.alerts().at(1);
    EXPECT_EQ(alert.title, uiText(u"FileInWarehouseDamageErrorTitle"));
    EXPECT_EQ(alert.message, uiText(u"FileInWarehouseDamageErrorMessage") + u"(broken2)");
    EXPECT_EQ(alert.buttons,
              (QStringList{uiText(u"OK"), uiText(u"FileInWarehouseDamageErrorDeleteFileButton")}));
    EXPECT_EQ(trash.paths(), QStringList{trashed});
    EXPECT_TRUE(QFile::exists(kept));
    EXPECT_FALSE(QFile::exists(trashed));
}

TEST_F(BoardTree, ReadsHeadersOnlyAndFilesWrittenOtherwiseWhole)
{
    // Header first, with a body that would not parse: only the header is read.
    const QString path = board(u"big"_s, u"F"_s, {{u"1"_s}, {u"2"_s}});
    QByteArray bytes = readFile(path);
    bytes.replace("message 1", "message &bogus; 1");
    dir.writeFile(u"Warehouse/big"_s, bytes);
    ASSERT_FALSE(BoardLogFile::read(path));

    // Body before header, as another writer may leave it: read whole.
    dir.writeFile(u"Warehouse/other"_s, R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict>
<key>Body</key><array><dict><key>Number</key><string>1</string></dict></array>
<key>Header</key><dict><key>KaigishitsuName</key><string>P：Q：Forum：Board：More</string>
<key>ForumID</key><string>other</string><key>MidokuSu</key><string>4</string></dict>
</dict></plist>)");

    KaigishitsuItem item;
    ASSERT_TRUE(item.readWithFile(path));
    EXPECT_EQ(item.midokuSuu(), 2);
    EXPECT_FALSE(item.isBrokenFile());

    std::unique_ptr<KaigishitsuItem> other = KaigishitsuItem::initWithFile(warehouse + u"/other");
    ASSERT_FALSE(other->isBrokenFile());
    EXPECT_EQ(other->forumName(), u"Forum"_s);
    EXPECT_EQ(other->boardName(), u"Board：More"_s);
    EXPECT_EQ(other->kaigishitsuTitle(), u"other:P：Q：Forum：Board：More"_s);
    EXPECT_EQ(other->midokuSuu(), 4);
    other->addMidokuSuu(-5);
    EXPECT_EQ(other->header()->midokuSu(), u"-1"_s);
    EXPECT_FALSE(other->isMidokuAri());
    other->setForumName(u"Renamed"_s);
    EXPECT_EQ(other->header()->forumName(), u"Renamed"_s);

    std::unique_ptr<KaigishitsuItem> missing = KaigishitsuItem::initWithFile(warehouse + u"/missing");
    EXPECT_TRUE(missing->isBrokenFile());
    std::unique_ptr<KaigishitsuItem> forum = KaigishitsuItem::initWithForumName(u"F"_s);
    EXPECT_EQ(forum->boardName(), QString());
    EXPECT_EQ(forum->childAtIndex(0), nullptr);
}

TEST_F(BoardTree, UnreadBoardsAndForumsAreBoldAndColoured)
{
    board(u"a"_s, u"F"_s, {{u"1"_s}});
    board(u"b"_s, u"F"_s, {{u"1"_s, u"0"_s, false}});
    tree.setKaigishitsuArray(build());
    EXPECT_EQ(outline(tree), (QStringList{u"F*"_s, u"  board a*"_s, u"  board b"_s}));
    EXPECT_FALSE(tree.data(tree.indexForRow(1), UnreadTitleColorRole).isValid());

    const RgbaColor red{1, 0, 0, 1};
    tree.setUnreadTitleColor({true, red});
    EXPECT_EQ(tree.data(tree.indexForRow(0), UnreadTitleColorRole).value<RgbaColor>(), red);
    EXPECT_EQ(tree.data(tree.indexForRow(1), UnreadTitleColorRole).value<RgbaColor>(), red);
    EXPECT_FALSE(tree.data(tree.indexForRow(2), UnreadTitleColorRole).isValid());

    QSignalSpy redraws(&tree, &QAbstractItemModel::dataChanged);
    tree.boardAtRow(1)->addMidokuSuu(-1);
    tree.reloadData();
    EXPECT_FALSE(redraws.isEmpty());
    EXPECT_EQ(outline(tree), (QStringList{u"F"_s, u"  board a"_s, u"  board b"_s}));
    EXPECT_FALSE(tree.data(tree.indexForRow(0), UnreadTitleColorRole).isValid());
}

TEST_F(BoardTree, EmptyOrMissingWarehouseGivesNoRows)
{
    tree.setKaigishitsuArray(build());
    EXPECT_EQ(tree.flatRowCount(), 0);
    warehouse = dir.filePath(u"nowhere"_s);
    tree.setKaigishitsuArray(build());
    EXPECT_EQ(tree.rowCount(), 0);
    EXPECT_EQ(tree.itemAtRow(0), nullptr);
}
