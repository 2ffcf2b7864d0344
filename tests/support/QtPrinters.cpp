#include "QtPrinters.h"

#include <QDebug>

QT_BEGIN_NAMESPACE

void PrintTo(const QString& value, std::ostream* os)
{
    // Quoted and escaped, so white space and control characters are visible.
    QString text;
    QDebug(&text) << value;
    *os << text.toStdString();
}

void PrintTo(const QStringView& value, std::ostream* os)
{
    PrintTo(value.toString(), os);
}

void PrintTo(const QByteArray& value, std::ostream* os)
{
    QString text;
    QDebug(&text) << value;
    *os << text.toStdString();
}

void PrintTo(const QStringList& value, std::ostream* os)
{
    QString text;
    QDebug(&text) << value;
    *os << text.toStdString();
}

void PrintTo(const QVariant& value, std::ostream* os)
{
    QString text;
    QDebug(&text) << value;
    *os << text.toStdString();
}

void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODateWithMs).toStdString();
}

QT_END_NAMESPACE
