#include "garage/Csv.h"


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

