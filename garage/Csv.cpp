#include "garage/Csv.h"

#include <QCoreApplication>
#include <QSaveFile>

QString CsvField(const QString& field)
{
    const bool quote = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"'))
                       || field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n'))
                       || field.startsWith(QLatin1Char(' ')) || field.endsWith(QLatin1Char(' '));
    if (!quote)
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray CsvDocument(const QList<QStringList>& records)
{
    QString text;
    for (const QStringList& record : records) {
        QStringList fields;
        for (const QString& field : record)
            fields << CsvField(field);
        text += fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

QString SaveCsv(const QString& path, const QList<QStringList>& records)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("Csv", "Could not write %1: %2.").arg(path, file.errorString());
    const QByteArray bytes = CsvDocument(records);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return QCoreApplication::translate("Csv", "Could not write %1: %2.").arg(path, reason);
    }
    if (!file.commit())
        return QCoreApplication::translate("Csv", "Could not write %1: %2.").arg(path, file.errorString());
    return QString();
}
