#include "PageReply.h"

#include "HtmlPage.h"

#include <chrono>
#include <memory>
#include <thread>

namespace tavrel::forumsim {

namespace {

// ISO-2022-JP of a text that may hold characters outside JIS X 0208: those become "?".
QByteArray encodeIso2022JpLossy(const QString& html)
{
    if (const auto whole = encoding::encodeIso2022Jp(html))
        return *whole;
    QString safe;
    safe.reserve(html.size());
    for (qsizetype i = 0; i < html.size(); ++i) {
        const qsizetype length = html.at(i).isHighSurrogate() && i + 1 < html.size() ? 2 : 1;
        const QStringView character = QStringView(html).mid(i, length);
        safe += encoding::encodeIso2022Jp(character) ? character.toString() : QStringLiteral("?");
        i += length - 1;
    }
    return encoding::encodeIso2022Jp(safe).value_or(QByteArray());
}

// Waits a second in short steps; false when the service stops meanwhile.
bool pause(const std::atomic_bool& stopping)
{
    for (int step = 0; step < 10; ++step) {
        if (stopping.load())
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return !stopping.load();
}

void errorReply(httplib::Response& response, int status, const QString& title, const QString& message)
{
    response.status = status;
    response.set_content(encoding::encodeCp932Lossy(HtmlPage::errorPage(title, message)).toStdString(),
                         "text/html; charset=Shift_JIS");
}

} // namespace

QByteArray PageReply::encode(const QString& html, Charset charset)
{
    return charset == Charset::ISO2022JP ? encodeIso2022JpLossy(html) : encoding::encodeCp932Lossy(html);
}

void PageReply::page(Exchange& exchange, const Behaviour& behaviour, const std::atomic_bool& stopping,
                     int status, const QString& html, Charset charset)
{
    const QByteArray contentType = "text/html; charset=" + HtmlPage::charsetName(charset).toLatin1();
    bytes(exchange, behaviour, stopping, status, encode(html, charset), contentType);
}

void PageReply::bytes(Exchange& exchange, const Behaviour& behaviour, const std::atomic_bool& stopping,
                      int status, const QByteArray& body, const QByteArray& contentType)
{
    httplib::Response& response = exchange.response();
    switch (behaviour.mode) {
    case Behaviour::Mode::Fail:
        errorReply(response, 500, QStringLiteral("500 Internal Server Error"),
                   QStringLiteral("ただいま混み合っております。しばらくしてからお試しください。"));
        return;
    case Behaviour::Mode::NotFound:
        errorReply(response, 404, QStringLiteral("404 Not Found"),
                   QStringLiteral("ページが見つかりません。"));
        return;
    case Behaviour::Mode::Slow: {
        response.status = status;
        const auto shared = std::make_shared<QByteArray>(body);
        const size_t rate = size_t(qMax(1, behaviour.rate));
        response.set_content_provider(
            size_t(body.size()), contentType.toStdString(),
            [shared, rate, &stopping](size_t offset, size_t length, httplib::DataSink& sink) {
                const size_t count = qMin(rate, length);
                if (!sink.write(shared->constData() + offset, count))
                    return false;
                return pause(stopping);
            });
        return;
    }
    case Behaviour::Mode::Abort: {
        response.status = status;
        const auto shared = std::make_shared<QByteArray>(body);
        response.set_content_provider(size_t(body.size()), contentType.toStdString(),
                                      [shared](size_t offset, size_t, httplib::DataSink& sink) {
                                          const size_t half = size_t(shared->size()) / 2;
                                          if (offset < half)
                                              sink.write(shared->constData() + offset, half - offset);
                                          return false;
                                      });
        return;
    }
    case Behaviour::Mode::Normal:
        break;
    }
    response.status = status;
    response.set_content(body.toStdString(), contentType.toStdString());
}

} // namespace tavrel::forumsim
