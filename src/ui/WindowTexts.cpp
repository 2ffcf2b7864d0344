#include "ui/WindowTexts.h"

#include "store/UiTexts.h"

namespace tavrel {

namespace {

struct WindowTextEntry
{
    QStringView key;
    QStringView english;
    QStringView japanese;
};

constexpr WindowTextEntry kEntries[] = {
    {u"FileMenuTitle", u"File", u"ファイル"},
    {u"SousaMenuTitle", u"Operations", u"操作"},
    {u"MesAttrMenuTitle", u"Marks", u"発言属性"},
    {u"WindowMenuTitle", u"Window", u"ウインドウ"},
    {u"HelpMenuTitle", u"Help", u"ヘルプ"},
    {u"QuitMenuTitle", u"Quit Tavrel", u"Tavrel を終了"},
    {u"AboutMenuTitle", u"About Tavrel", u"Tavrel について"},
    {u"KobetsuKaigishitsuSetteiMenuTitle", u"Board Settings…", u"会議室の個別設定…"},
    {u"GoBackMenuTitle", u"Back to Previous Message", u"前に表示した発言に戻る"},
    {u"ReadMidokuButtonTitle", u"Read Next", u"未読を読む"},
    {u"OrderBangouTitle", u"By Number", u"番号順"},
    {u"OrderTreeTitle", u"As Tree", u"ツリー順"},
    {u"UseBoardColorTitle", u"Board colours", u"会議室の色"},
    {u"BackgroundColorTitle", u"Background colour", u"背景色"},
    {u"ZoomTitle", u"Zoom", u"倍率"},
    {u"CFBundleShortVersionString", u"Version %1", u"バージョン %1"},
    {u"AboutNoticeText", u"A reader for the @nifty Web Forum.",
     u"@nifty Web フォーラムのための読み書きソフト"},
    {u"KobetsuSakujoCheckTitle", u"Delete read messages after", u"既読発言を削除する（経過日数）"},
    {u"KobetsuSakujoDaysTitle", u"days", u"日"},
    {u"KobetsuLastMesNoTitle", u"Last message number", u"最終発言番号"},
    {u"KobetsuForumNameTitle", u"Forum name", u"フォーラム名"},
    {u"KobetsuBoardNameTitle", u"Board name", u"会議室名"},
};

} // namespace

QString windowText(QStringView key)
{
    const QString shared = uiText(key);
    if (shared != key)
        return shared;
    for (const WindowTextEntry& entry : kEntries) {
        if (entry.key == key)
            return (uiLanguage() == UiLanguage::Japanese ? entry.japanese : entry.english).toString();
    }
    return key.toString();
}

} // namespace tavrel
