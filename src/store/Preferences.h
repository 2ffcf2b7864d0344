#pragma once

// The user's preferences: one property-list file read and written through QSettings. Each
// key has a typed accessor with its default; values of an unexpected type are converted
// (see PreferenceValue.h). Setters store at once in memory; sync() writes the file, which
// QSettings also does on its own from the event loop and on destruction.

#include "store/ProxySettings.h"

#include <QSettings>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <optional>

namespace tavrel {

struct RgbaColor
{
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    friend bool operator==(const RgbaColor&, const RgbaColor&) = default;
};

enum class TitleOrder
{
    Bangou, // by number
    Tree,   // as a comment tree
};

class Preferences
{
public:
    // Opens the preferences file at `filePath` (by default the shared location). A file that
    // exists but cannot be read as a property-list dictionary is moved aside to
    // "<path>.broken" and the preferences start empty; problem() then says so.
    explicit Preferences(const QString& filePath);
    Preferences();
    ~Preferences();

    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    QString filePath() const;
    // A message about a broken preferences file found on opening; empty when there was none.
    QString problem() const { return m_problem; }
    // Writes pending changes to the file; false when that failed.
    bool sync();

    // Raw access by key, for keys without an accessor (column layouts and the like).
    bool contains(const QString& key) const;
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

    // Writes the first-start defaults: "KetaSoroeSetteiChi" 75 when absent, the four
    // background colour values 1 when "TextBackGroundColorRed" is absent, and "MyVersion".
    void writeStartDefaults(const QString& version);

    // "TVLFolderPath": the data folder, or nothing.
    std::optional<QString> tvlFolderPath() const;
    void setTvlFolderPath(const QString& path);

    QString handleName() const;
    void setHandleName(const QString& text);
    QString eMailAddress() const;
    void setEMailAddress(const QString& text);
    QString linkSite() const;
    void setLinkSite(const QString& text);

    // "IsSakujo", stored as "YES" / "NO".
    bool isSakujo() const;
    void setIsSakujo(bool on);
    // "SakujoDay" (30) and "HatsugenIntervalTime" (31), stored as "%f" texts.
    double sakujoDay() const;
    void setSakujoDay(double days);
    double hatsugenIntervalTime() const;
    void setHatsugenIntervalTime(double seconds);

    // "DefaultInyouFu": the UI text of the same key when absent.
    QString defaultInyouFu() const;
    void setDefaultInyouFu(const QString& text);
    QString defaultInyouZenchiMojiretsu() const;
    void setDefaultInyouZenchiMojiretsu(const QString& text);
    QString defaultInyouKouchiMojiretsu() const;
    void setDefaultInyouKouchiMojiretsu(const QString& text);

    bool completePageScrollFlag() const;
    void setCompletePageScrollFlag(bool on);
    // "KetaSoroeSetteiChi" (75), stored as a number.
    int ketaSoroeSetteiChi() const;
    void setKetaSoroeSetteiChi(int width);
    std::optional<QString> hyoujiMessageUseFont() const;
    void setHyoujiMessageUseFont(const QString& fontName);
    bool konoUserHenoActionJokyo() const;
    void setKonoUserHenoActionJokyo(bool on);
    bool isUseBoardOriginalColorSet() const;
    void setIsUseBoardOriginalColorSet(bool on);
    bool isNoCuttingToolAndSetsumei() const;
    void setIsNoCuttingToolAndSetsumei(bool on);

    // "TextBackGroundColor{Red,Green,Blue,Alpha}": 1 each when absent (white).
    RgbaColor textBackGroundColor() const;
    void setTextBackGroundColor(const RgbaColor& color);
    bool isSettingMidokuMessageTitleColor() const;
    void setIsSettingMidokuMessageTitleColor(bool on);
    // "MidokuMessageTitleColor{Red,Green,Blue,Alpha}": black when any of the four is absent.
    RgbaColor midokuMessageTitleColor() const;
    void setMidokuMessageTitleColor(const RgbaColor& color);

    // "TitleHyoujiJun": "Tree" or, for anything else, "Bangou".
    TitleOrder titleHyoujiJun() const;
    void setTitleHyoujiJun(TitleOrder order);
    // "TextBrowserBairitsu", stored as a "%f" text.
    std::optional<double> textBrowserBairitsu() const;
    void setTextBrowserBairitsu(double factor);

    std::optional<double> hatsugenTitleTableFrameSizeHeight() const;
    void setHatsugenTitleTableFrameSizeHeight(double height);
    std::optional<double> kaigishitsuTableFrameSizeWidth() const;
    void setKaigishitsuTableFrameSizeWidth(double width);
    std::optional<QString> messageEditorContentsFontName() const;
    void setMessageEditorContentsFontName(const QString& name);
    std::optional<double> messageEditorContentsFontSize() const;
    void setMessageEditorContentsFontSize(double size);

    bool kihonLogDetailOutputCheck() const;
    void setKihonLogDetailOutputCheck(bool on);
    // "MyVersion": the running program's version when absent.
    QString myVersion() const;
    void setMyVersion(const QString& version);

    // "IsUseProxyAllAccess" and the four all-access proxy texts.
    bool isUseProxyAllAccess() const;
    void setIsUseProxyAllAccess(bool on);
    ProxySettings allAccessProxy() const;
    void setAllAccessProxy(const ProxySettings& proxy);

    // "SignatureArray": dictionaries with "Description" and "Contents".
    QVariantList signatureArray() const;
    void setSignatureArray(const QVariantList& signatures);
    QString messageTemplateString() const;
    void setMessageTemplateString(const QString& text);
    QString commentTemplateString() const;
    void setCommentTemplateString(const QString& text);

private:
    QString textOr(const QString& key, const QString& fallback) const;
    std::optional<QString> optionalText(const QString& key) const;
    bool flagOr(const QString& key, bool fallback) const;
    std::optional<double> optionalNumber(const QString& key) const;
    RgbaColor color(const QString& stem, bool& complete) const;
    void setColor(const QString& stem, const RgbaColor& color);

    QString m_problem;
    std::unique_ptr<QSettings> m_settings;
};

} // namespace tavrel
