#include "Preferences.h"

#include "PlistSettingsFormat.h"
#include "PreferenceValue.h"
#include "PreferencesLocation.h"
#include "PropertyList.h"
#include "UiTexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tavrel {

namespace {

// Moves a preferences file that is not a readable property-list dictionary out of the way,
// so writing the preferences cannot destroy it. Returns a message, empty when all is well.
QString setAsideBrokenFile(const QString& path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return {};
    QString error;
    if (PropertyList::readDictionaryFile(path, &error))
        return {};
    const QString aside = path + QStringLiteral(".broken");
    QFile::remove(aside);
    if (!QFile::rename(path, aside))
        return QStringLiteral("The preferences file cannot be read (%1) nor moved aside.").arg(error);
    return QStringLiteral("The preferences file cannot be read (%1); it was moved to %2 and the "
                          "preferences start afresh.")
        .arg(error, aside);
}

} // namespace

Preferences::Preferences()
    : Preferences(preferencesFilePath())
{}

Preferences::Preferences(const QString& filePath)
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    m_problem = setAsideBrokenFile(filePath);
    m_settings = std::make_unique<QSettings>(filePath, plistSettingsFormat());
}

Preferences::~Preferences() = default;

QString Preferences::filePath() const
{
    return m_settings->fileName();
}

bool Preferences::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool Preferences::contains(const QString& key) const
{
    return m_settings->contains(key);
}

QVariant Preferences::value(const QString& key) const
{
    return m_settings->value(key);
}

void Preferences::setValue(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
}

void Preferences::remove(const QString& key)
{
    m_settings->remove(key);
}

QString Preferences::textOr(const QString& key, const QString& fallback) const
{
    return preference::text(value(key)).value_or(fallback);
}

std::optional<QString> Preferences::optionalText(const QString& key) const
{
    return preference::text(value(key));
}

bool Preferences::flagOr(const QString& key, bool fallback) const
{
    return preference::flag(value(key)).value_or(fallback);
}

std::optional<double> Preferences::optionalNumber(const QString& key) const
{
    return preference::number(value(key));
}

RgbaColor Preferences::color(const QString& stem, bool& complete) const
{
    const std::optional<double> red = optionalNumber(stem + u"Red");
    const std::optional<double> green = optionalNumber(stem + u"Green");
    const std::optional<double> blue = optionalNumber(stem + u"Blue");
    const std::optional<double> alpha = optionalNumber(stem + u"Alpha");
    complete = red && green && blue && alpha;
    return {red.value_or(1), green.value_or(1), blue.value_or(1), alpha.value_or(1)};
}

void Preferences::setColor(const QString& stem, const RgbaColor& color)
{
    setValue(stem + u"Red", color.red);
    setValue(stem + u"Green", color.green);
    setValue(stem + u"Blue", color.blue);
    setValue(stem + u"Alpha", color.alpha);
}

void Preferences::writeStartDefaults(const QString& version)
{
    if (!contains(QStringLiteral("KetaSoroeSetteiChi")))
        setKetaSoroeSetteiChi(75);
    if (!contains(QStringLiteral("TextBackGroundColorRed")))
        setTextBackGroundColor({1, 1, 1, 1});
    setMyVersion(version);
}

std::optional<QString> Preferences::tvlFolderPath() const
{
    return optionalText(QStringLiteral("TVLFolderPath"));
}

void Preferences::setTvlFolderPath(const QString& path)
{
    setValue(QStringLiteral("TVLFolderPath"), path);
}

QString Preferences::handleName() const
{
    return textOr(QStringLiteral("HandleName"), {});
}

void Preferences::setHandleName(const QString& text)
{
    setValue(QStringLiteral("HandleName"), text);
}

QString Preferences::eMailAddress() const
{
    return textOr(QStringLiteral("EMailAddress"), {});
}

void Preferences::setEMailAddress(const QString& text)
{
    setValue(QStringLiteral("EMailAddress"), text);
}

QString Preferences::linkSite() const
{
    return textOr(QStringLiteral("LinkSite"), {});
}

void Preferences::setLinkSite(const QString& text)
{
    setValue(QStringLiteral("LinkSite"), text);
}

bool Preferences::isSakujo() const
{
    return flagOr(QStringLiteral("IsSakujo"), false);
}

void Preferences::setIsSakujo(bool on)
{
    setValue(QStringLiteral("IsSakujo"), on ? QStringLiteral("YES") : QStringLiteral("NO"));
}

double Preferences::sakujoDay() const
{
    return optionalNumber(QStringLiteral("SakujoDay")).value_or(30);
}

void Preferences::setSakujoDay(double days)
{
    setValue(QStringLiteral("SakujoDay"), preference::fixedText(days));
}

double Preferences::hatsugenIntervalTime() const
{
    return optionalNumber(QStringLiteral("HatsugenIntervalTime")).value_or(31);
}

void Preferences::setHatsugenIntervalTime(double seconds)
{
    setValue(QStringLiteral("HatsugenIntervalTime"), preference::fixedText(seconds));
}

QString Preferences::defaultInyouFu() const
{
    return textOr(QStringLiteral("DefaultInyouFu"), uiText(u"DefaultInyouFu"));
}

void Preferences::setDefaultInyouFu(const QString& text)
{
    setValue(QStringLiteral("DefaultInyouFu"), text);
}

QString Preferences::defaultInyouZenchiMojiretsu() const
{
    return textOr(QStringLiteral("DefaultInyouZenchiMojiretsu"), {});
}

void Preferences::setDefaultInyouZenchiMojiretsu(const QString& text)
{
    setValue(QStringLiteral("DefaultInyouZenchiMojiretsu"), text);
}

QString Preferences::defaultInyouKouchiMojiretsu() const
{
    return textOr(QStringLiteral("DefaultInyouKouchiMojiretsu"), {});
}

void Preferences::setDefaultInyouKouchiMojiretsu(const QString& text)
{
    setValue(QStringLiteral("DefaultInyouKouchiMojiretsu"), text);
}

bool Preferences::completePageScrollFlag() const
{
    return flagOr(QStringLiteral("CompletePageScrollFlag"), false);
}

void Preferences::setCompletePageScrollFlag(bool on)
{
    setValue(QStringLiteral("CompletePageScrollFlag"), on);
}

int Preferences::ketaSoroeSetteiChi() const
{
    return preference::integer(value(QStringLiteral("KetaSoroeSetteiChi"))).value_or(75);
}

void Preferences::setKetaSoroeSetteiChi(int width)
{
    setValue(QStringLiteral("KetaSoroeSetteiChi"), width);
}

std::optional<QString> Preferences::hyoujiMessageUseFont() const
{
    return optionalText(QStringLiteral("HyoujiMessageUseFont"));
}

void Preferences::setHyoujiMessageUseFont(const QString& fontName)
{
    setValue(QStringLiteral("HyoujiMessageUseFont"), fontName);
}

bool Preferences::konoUserHenoActionJokyo() const
{
    return flagOr(QStringLiteral("KonoUserHenoActionJokyo"), false);
}

void Preferences::setKonoUserHenoActionJokyo(bool on)
{
    setValue(QStringLiteral("KonoUserHenoActionJokyo"), on);
}

bool Preferences::isUseBoardOriginalColorSet() const
{
    return flagOr(QStringLiteral("IsUseBoardOriginalColorSet"), false);
}

void Preferences::setIsUseBoardOriginalColorSet(bool on)
{
    setValue(QStringLiteral("IsUseBoardOriginalColorSet"), on);
}

bool Preferences::isNoCuttingToolAndSetsumei() const
{
    return flagOr(QStringLiteral("IsNoCuttingToolAndSetsumei"), false);
}

void Preferences::setIsNoCuttingToolAndSetsumei(bool on)
{
    setValue(QStringLiteral("IsNoCuttingToolAndSetsumei"), on);
}

RgbaColor Preferences::textBackGroundColor() const
{
    bool complete = false;
    return color(QStringLiteral("TextBackGroundColor"), complete);
}

void Preferences::setTextBackGroundColor(const RgbaColor& color)
{
    setColor(QStringLiteral("TextBackGroundColor"), color);
}

bool Preferences::isSettingMidokuMessageTitleColor() const
{
    return flagOr(QStringLiteral("IsSettingMidokuMessageTitleColor"), false);
}

void Preferences::setIsSettingMidokuMessageTitleColor(bool on)
{
    setValue(QStringLiteral("IsSettingMidokuMessageTitleColor"), on);
}

RgbaColor Preferences::midokuMessageTitleColor() const
{
    bool complete = false;
    const RgbaColor stored = color(QStringLiteral("MidokuMessageTitleColor"), complete);
    return complete ? stored : RgbaColor{0, 0, 0, 1};
}

void Preferences::setMidokuMessageTitleColor(const RgbaColor& color)
{
    setColor(QStringLiteral("MidokuMessageTitleColor"), color);
}

TitleOrder Preferences::titleHyoujiJun() const
{
    return textOr(QStringLiteral("TitleHyoujiJun"), {}) == u"Tree" ? TitleOrder::Tree : TitleOrder::Bangou;
}

void Preferences::setTitleHyoujiJun(TitleOrder order)
{
    setValue(QStringLiteral("TitleHyoujiJun"),
             order == TitleOrder::Tree ? QStringLiteral("Tree") : QStringLiteral("Bangou"));
}

std::optional<double> Preferences::textBrowserBairitsu() const
{
    return optionalNumber(QStringLiteral("TextBrowserBairitsu"));
}

void Preferences::setTextBrowserBairitsu(double factor)
{
    setValue(QStringLiteral("TextBrowserBairitsu"), preference::fixedText(factor));
}

std::optional<double> Preferences::hatsugenTitleTableFrameSizeHeight() const
{
    return optionalNumber(QStringLiteral("HatsugenTitleTableFrameSizeHeight"));
}

void Preferences::setHatsugenTitleTableFrameSizeHeight(double height)
{
    setValue(QStringLiteral("HatsugenTitleTableFrameSizeHeight"), height);
}

std::optional<double> Preferences::kaigishitsuTableFrameSizeWidth() const
{
    return optionalNumber(QStringLiteral("KaigishitsuTableFrameSizeWidth"));
}

void Preferences::setKaigishitsuTableFrameSizeWidth(double width)
{
    setValue(QStringLiteral("KaigishitsuTableFrameSizeWidth"), width);
}

std::optional<QString> Preferences::messageEditorContentsFontName() const
{
    return optionalText(QStringLiteral("MessageEditorContentsFontName"));
}

void Preferences::setMessageEditorContentsFontName(const QString& name)
{
    setValue(QStringLiteral("MessageEditorContentsFontName"), name);
}

std::optional<double> Preferences::messageEditorContentsFontSize() const
{
    return optionalNumber(QStringLiteral("MessageEditorContentsFontSize"));
}

void Preferences::setMessageEditorContentsFontSize(double size)
{
    setValue(QStringLiteral("MessageEditorContentsFontSize"), size);
}

bool Preferences::kihonLogDetailOutputCheck() const
{
    return flagOr(QStringLiteral("KihonLogDetailOutputCheck"), false);
}

void Preferences::setKihonLogDetailOutputCheck(bool on)
{
    setValue(QStringLiteral("KihonLogDetailOutputCheck"), on);
}

QString Preferences::myVersion() const
{
    return textOr(QStringLiteral("MyVersion"), QStringLiteral(TAVREL_VERSION));
}

void Preferences::setMyVersion(const QString& version)
{
    setValue(QStringLiteral("MyVersion"), version);
}

bool Preferences::isUseProxyAllAccess() const
{
    return flagOr(QStringLiteral("IsUseProxyAllAccess"), false);
}

void Preferences::setIsUseProxyAllAccess(bool on)
{
    setValue(QStringLiteral("IsUseProxyAllAccess"), on);
}

ProxySettings Preferences::allAccessProxy() const
{
    return {textOr(QStringLiteral("HttpProxyAllAccess"), {}),
            textOr(QStringLiteral("HttpProxyPortAllAccess"), {}),
            textOr(QStringLiteral("HttpsProxyAllAccess"), {}),
            textOr(QStringLiteral("HttpsProxyPortAllAccess"), {})};
}

void Preferences::setAllAccessProxy(const ProxySettings& proxy)
{
    setValue(QStringLiteral("HttpProxyAllAccess"), proxy.httpProxy);
    setValue(QStringLiteral("HttpProxyPortAllAccess"), proxy.httpProxyPort);
    setValue(QStringLiteral("HttpsProxyAllAccess"), proxy.httpsProxy);
    setValue(QStringLiteral("HttpsProxyPortAllAccess"), proxy.httpsProxyPort);
}

QVariantList Preferences::signatureArray() const
{
    const QVariant stored = value(QStringLiteral("SignatureArray"));
    return stored.typeId() == QMetaType::QVariantList ? stored.toList() : QVariantList();
}

void Preferences::setSignatureArray(const QVariantList& signatures)
{
    setValue(QStringLiteral("SignatureArray"), signatures);
}

QString Preferences::messageTemplateString() const
{
    return textOr(QStringLiteral("MessageTemplateString"), {});
}

void Preferences::setMessageTemplateString(const QString& text)
{
    setValue(QStringLiteral("MessageTemplateString"), text);
}

QString Preferences::commentTemplateString() const
{
    return textOr(QStringLiteral("CommentTemplateString"), {});
}

void Preferences::setCommentTemplateString(const QString& text)
{
    setValue(QStringLiteral("CommentTemplateString"), text);
}

} // namespace tavrel
