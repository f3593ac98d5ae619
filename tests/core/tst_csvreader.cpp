// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV reader: RFC 4180 records with the lines they start on, the faults
// it reports, strict numbers, and what the core's writer writes read back.
#include "core/Csv.h"
#include "core/CsvReader.h"

#include <QTest>

namespace {

// A record as one text: "line:field|field", or "line!reason".
QStringList described(const QList<CsvRecord>& records)
{
    QStringList texts;
    for (const CsvRecord& record : records)
        texts << (record.error.isEmpty() ? QStringLiteral("%1:%2").arg(record.line).arg(record.fields.join(u'|'))
                                         : QStringLiteral("%1!%2").arg(record.line).arg(record.error));
    return texts;
}

} // namespace

class TestCsvReader : public QObject {
    Q_OBJECT

private slots:
    void records_data();
    void records();
    void numbers_data();
    void numbers();
    void unguarded_data();
    void unguarded();
    void writtenFieldsReadBack_data();
    void writtenFieldsReadBack();
};

void TestCsvReader::records_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("records");
    QTest::newRow("nothing") << QByteArray() << QStringList();
    QTest::newRow("CR LF") << QByteArray("a,b\r\nc,d\r\n") << QStringList{ "1:a|b", "2:c|d" };
    QTest::newRow("LF, no end at the end") << QByteArray("a,b\nc,d") << QStringList{ "1:a|b", "2:c|d" };
    QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{ "1:a", "2:b" };
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "a,b\r\n") << QStringList{ "1:a|b" };
    // Only the file's own mark goes: one that begins a field is its text.
    const QString mark(QChar(0xfeff));
    QTest::newRow("a field's mark after the file's")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a,b\r\n") << QStringList{ "1:" + mark + "a|b" };
    QTest::newRow("a field's mark in a file without one")
        << QByteArray("a,\xEF\xBB\xBF" "b\n\xEF\xBB\xBF" "c\n") << QStringList{ "1:a|" + mark + "b", "2:" + mark + "c" };
    QTest::newRow("empty fields and an empty line")
        << QByteArray("a,,\r\n\r\n,b\r\n") << QStringList{ "1:a||", "2:", "3:|b" };
    QTest::newRow("quoted comma and doubled quotes")
        << QByteArray("\"a,b\",\"say \"\"hi\"\"\",\"\"\r\n") << QStringList{ "1:a,b|say \"hi\"|" };
    QTest::newRow("line ends inside quotes count as lines")
        << QByteArray("\"one\r\ntwo\nthree\",x\r\nnext\r\n")
        << QStringList{ "1:one\r\ntwo\nthree|x", "4:next" };
    QTest::newRow("spaces are kept") << QByteArray(" a , b \n") << QStringList{ "1: a | b " };
    QTest::newRow("a quote inside an unquoted field")
        << QByteArray("5\" slicks,x\n") << QStringList{ "1:5\" slicks|x" };
    QTest::newRow("text after a closing quote, then reading goes on")
        << QByteArray("\"a\"b,c\nd,e\n") << QStringList{ "1!a quoted field goes on after its closing quote", "2:d|e" };
    QTest::newRow("a quoted field left open")
        << QByteArray("a\n\"b,c\nd\n")
        << QStringList{ "1:a", "2!a quoted field is not closed before the end of the file" };
    QTest::newRow("not UTF-8: Latin-1") << QByteArray("caf\xe9\n") << QStringList{ QString::fromUtf8("1:caf\xc3\xa9") };
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\n") << QStringList{ QString::fromUtf8("1:caf\xc3\xa9") };
}

void TestCsvReader::records()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, records);
    QCOMPARE(described(ReadCsv(bytes)), records);
}

void TestCsvReader::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal") << "12.3" << true << 12.3;
    QTest::newRow("spaces around") << " \t12.3 " << true << 12.3;
    QTest::newRow("negative") << "-0.012" << true << -0.012;
    QTest::newRow("plus sign") << "+5" << true << 5.0;
    QTest::newRow("exponent") << "1.5e3" << true << 1500.0;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("point last") << "5." << true << 5.0;
    QTest::newRow("shortest text of a double") << "0.30000000000000004" << true << 0.30000000000000004;
    QTest::newRow("decimal comma") << "12,3" << false << 0.0;
    QTest::newRow("text after it") << "12.3abc" << false << 0.0;
    QTest::newRow("unit after it") << "12.3 s" << false << 0.0;
    QTest::newRow("grouped") << "1 000" << false << 0.0;
    QTest::newRow("two signs") << "+-1" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("hexadecimal") << "0x1A" << false << 0.0;
    QTest::newRow("infinity") << "inf" << false << 0.0;
    QTest::newRow("not a number") << "nan" << false << 0.0;
    QTest::newRow("beyond a double") << "1e400" << false << 0.0;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\xd9\xa1\xd9\xa2") << false << 0.0;
}

void TestCsvReader::numbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> read = CsvNumber(text);
    QCOMPARE(read.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*read, value);
}

void TestCsvReader::unguarded_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("guarded formula") << "'=1+2" << "=1+2";
    QTest::newRow("guarded minus") << "'-2 psi of boost" << "-2 psi of boost";
    QTest::newRow("a lone minus was never guarded") << "'-" << "'-";
    QTest::newRow("a quote before plain text") << "'tis" << "'tis";
    QTest::newRow("guarded quote before a formula") << "''=1" << "'=1";
    QTest::newRow("guarded quotes before a formula") << "'''@home" << "''@home";
    QTest::newRow("quotes before a lone minus") << "''-" << "''-";
    QTest::newRow("plain") << "-1" << "-1";
}

void TestCsvReader::unguarded()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QCOMPARE(UnguardedCsvText(field), text);
}

void TestCsvReader::writtenFieldsReadBack_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("secondLine"); // where the second copy of the record starts
    QTest::newRow("quoted and guarded")
        << QStringList{ "plain", "a,b", "say \"hi\"", "one\r\ntwo", "line\nbreak", " spaced ", "=SUM(A1)",
                        "-2 psi", "", QString::fromUtf8("caf\xc3\xa9") }
        << 4;
    QTest::newRow("quotes before formulas") << QStringList{ "'=1+2", "''@home", "'-", "'" } << 2;
    QTest::newRow("byte-order mark first") << QStringList{ QString(QChar(0xfeff)) + "x", "y" } << 2;
}

void TestCsvReader::writtenFieldsReadBack()
{
    QFETCH(QStringList, texts);
    QFETCH(int, secondLine);
    const QList<CsvRecord> records = ReadCsv(CsvDocument(QList<QStringList>{ texts, texts }));
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[1].line, secondLine);
    for (const CsvRecord& record : records) {
        QStringList read;
        for (const QString& field : record.fields)
            read << UnguardedCsvText(field);
        QCOMPARE(read, texts);
    }
}

QTEST_GUILESS_MAIN(TestCsvReader)
#include "tst_csvreader.moc"
