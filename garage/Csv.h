// Comma-separated values as spreadsheets read them: a field that holds a
// comma, a double quote, a CR or an LF (or starts or ends with a space) is
// put in double quotes, with each double quote inside doubled; records end
// with CR LF. The file is UTF-8.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

QString CsvField(const QString& field);
QByteArray CsvDocument(const QList<QStringList>& records);
