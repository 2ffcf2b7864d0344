#include "MessageGenerator.h"

#include "HtmlPage.h"

#include <QHash>

#include <algorithm>

namespace tavrel::forumsim {

namespace {

struct PhraseBook
{
    QStringList titles;
    QStringList sentences;
};

const QHash<QString, PhraseBook>& phraseBooks()
{
    static const QHash<QString, PhraseBook> books = {
        {QStringLiteral("neko"),
         {{QStringLiteral("うちの猫が箱に入りました"), QStringLiteral("子猫を迎えました"),
           QStringLiteral("キャットフードの選び方"), QStringLiteral("猫じゃらし自作してみた"),
           QStringLiteral("爪とぎ問題"), QStringLiteral("猫の日向ぼっこ")},
          {QStringLiteral("今朝も窓辺で丸くなっていました。"),
           QStringLiteral("段ボール箱を置くとすぐに入ってしまいます。"),
           QStringLiteral("最近は少し食欲が落ちている気がします。"),
           QStringLiteral("動物病院で健康診断を受けてきました。"),
           QStringLiteral("新しいおもちゃにはすぐ飽きてしまうようです。"),
           QStringLiteral("夜中に運動会が始まるので困っています。"),
           QStringLiteral("写真をアップしようと思ったのですが、うまくいきませんでした。"),
           QStringLiteral("皆さんのお宅ではどうされていますか？")}}},
        {QStringLiteral("tetsudo"),
         {{QStringLiteral("ローカル線の旅"), QStringLiteral("新型車両に乗りました"),
           QStringLiteral("時刻表の話"), QStringLiteral("駅弁のおすすめ"), QStringLiteral("廃線跡を歩く"),
           QStringLiteral("夜行列車の思い出")},
          {QStringLiteral("始発に乗って終点まで行ってきました。"),
           QStringLiteral("車窓から見える田園風景が最高でした。"),
           QStringLiteral("乗り換えの待ち時間が一時間もありました。"),
           QStringLiteral("駅のホームで食べた立ち食いそばが美味しかったです。"),
           QStringLiteral("来月のダイヤ改正で本数が減るそうです。"),
           QStringLiteral("古い駅舎が取り壊されると聞いて寂しくなりました。"),
           QStringLiteral("次は青春18きっぷで遠出してみます。")}}},
        {QStringLiteral("pasokon"),
         {{QStringLiteral("メモリ増設について"), QStringLiteral("モデムがつながりません"),
           QStringLiteral("おすすめのエディタ"), QStringLiteral("ハードディスクの異音"),
           QStringLiteral("バックアップどうしてますか"), QStringLiteral("新しい機種を買いました")},
          {QStringLiteral("再起動したら直りました。"),
           QStringLiteral("設定ファイルを書き換える必要があるようです。"),
           QStringLiteral("ケーブルを交換してみてはいかがでしょう。"),
           QStringLiteral("同じ症状の方はいらっしゃいますか。"),
           QStringLiteral("メーカーのサポートに問い合わせ中です。"),
           QStringLiteral("思ったより静かで快適です。"),
           QStringLiteral("容量が足りなくなってきたので外付けを検討しています。")}}},
        {QStringLiteral("ryori"),
         {{QStringLiteral("今日の晩ごはん"), QStringLiteral("肉じゃがのコツ"),
           QStringLiteral("お弁当のおかず"), QStringLiteral("土鍋でご飯"), QStringLiteral("季節の味噌汁"),
           QStringLiteral("手作りパンに挑戦")},
          {QStringLiteral("出汁は昆布と鰹節で取りました。"),
           QStringLiteral("少し甘めの味付けが家族に好評でした。"),
           QStringLiteral("火加減が難しくて少し焦がしてしまいました。"),
           QStringLiteral("旬の野菜をたっぷり使っています。"),
           QStringLiteral("作り置きしておくと平日が楽になります。"),
           QStringLiteral("次は生姜を多めにしてみます。")}}},
        {QStringLiteral("zatsudan"),
         {{QStringLiteral("こんにちは"), QStringLiteral("はじめまして"), QStringLiteral("週末の予定"),
           QStringLiteral("最近の天気"), QStringLiteral("おすすめの本"),
           QStringLiteral("ちょっと聞いてください")},
          {QStringLiteral("いつも楽しく読ませていただいています。"), QStringLiteral("今日は一日中雨でした。"),
           QStringLiteral("週末は近所の公園を散歩する予定です。"), QStringLiteral("よろしくお願いします。"),
           QStringLiteral("久しぶりに書き込みます。"), QStringLiteral("皆さんお元気ですか？"),
           QStringLiteral("図書館で借りた本がとても面白かったです。")}}},
    };
    return books;
}

const QStringList kGuests = {QStringLiteral("通りすがり"), QStringLiteral("ななし"),
                             QStringLiteral("たぬき")};

QString withoutReply(const QString& title)
{
    QString plain = title;
    while (plain.startsWith(QStringLiteral("Re:")))
        plain = plain.mid(3);
    return plain;
}

} // namespace

MessageGenerator::MessageGenerator(quint32 seed, QList<Member> members, Options options)
    : m_random(seed)
    , m_members(std::move(members))
    , m_options(std::move(options))
{
    if (!phraseBooks().contains(m_options.topic))
        m_options.topic = QStringLiteral("zatsudan");
}

QStringList MessageGenerator::topics()
{
    QStringList names = phraseBooks().keys();
    names.sort();
    return names;
}

QString MessageGenerator::pick(const QStringList& list)
{
    if (list.isEmpty())
        return {};
    return list.at(qsizetype(std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(m_random)));
}

bool MessageGenerator::chance(double probability)
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < probability;
}

BoardMessage MessageGenerator::one(int number, const QDateTime& date, const QList<BoardMessage>& earlier)
{
    const PhraseBook& book = phraseBooks().value(m_options.topic);
    BoardMessage message;
    message.number = number;
    message.date = date;
    const bool guest = m_members.isEmpty() || (m_options.guests && chance(0.25));
    if (guest) {
        message.name = pick(kGuests);
    } else {
        const Member& member = m_members.at(
            qsizetype(std::uniform_int_distribution<qsizetype>(0, m_members.size() - 1)(m_random)));
        message.name = HtmlPage::escape(member.name);
        message.memberId = member.id;
        if (!member.email.isEmpty() && chance(0.4))
            message.email = member.email;
    }
    if (!earlier.isEmpty() && chance(0.35)) {
        const qsizetype recent = qMin<qsizetype>(15, earlier.size());
        const BoardMessage& parent = earlier.at(
            earlier.size() - 1 - std::uniform_int_distribution<qsizetype>(0, recent - 1)(m_random));
        message.comment = parent.number;
        message.title = QStringLiteral("Re:") + withoutReply(parent.title);
    } else {
        message.title = HtmlPage::escape(pick(book.titles));
    }
    QStringList lines;
    const int sentences = std::uniform_int_distribution<int>(1, 4)(m_random);
    for (int i = 0; i < sentences; ++i)
        lines.append(HtmlPage::escape(pick(book.sentences)));
    if (message.comment != 0)
        lines.prepend(QStringLiteral("&gt;&gt;%1").arg(QString::number(message.comment)));
    message.body = lines.join(QStringLiteral("<br>\n"));
    if (!m_options.imageBase.isEmpty() && chance(0.06))
        message.image = m_options.imageBase + QStringLiteral("photo%1.gif").arg(number);
    if (m_options.links && chance(0.05))
        message.link = QStringLiteral("http://www.example.com/~member/page%1.html").arg(number);
    return message;
}

QList<BoardMessage> MessageGenerator::generate(int count, const QDateTime& from, const QDateTime& to,
                                               int firstNumber, const QList<BoardMessage>& earlier)
{
    QList<qint64> offsets;
    const qint64 span = qMax<qint64>(60, from.secsTo(to));
    for (int i = 0; i < count; ++i)
        offsets.append(std::uniform_int_distribution<qint64>(0, span)(m_random));
    std::sort(offsets.begin(), offsets.end());
    QList<BoardMessage> all = earlier;
    QList<BoardMessage> made;
    for (int i = 0; i < count; ++i) {
        BoardMessage message = one(firstNumber + i, from.addSecs(offsets.at(i)), all);
        all.append(message);
        made.append(message);
    }
    return made;
}

} // namespace tavrel::forumsim
