#pragma once

// GoogleTest printers for the Qt types our tests compare, so failures show readable values.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

QT_BEGIN_NAMESPACE
void PrintTo(const QString& value, std::ostream* os);
void PrintTo(const QStringView& value, std::ostream* os);
void PrintTo(const QByteArray& value, std::ostream* os);
void PrintTo(const QStringList& value, std::ostream* os);
void PrintTo(const QVariant& value, std::ostream* os);
void PrintTo(const QDateTime& value, std::ostream* os);
QT_END_NAMESPACE
