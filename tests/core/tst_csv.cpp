// SPDX-License-Identifier: GPL-3.0-or-later
// The CSV writer: RFC 4180 quoting, CR LF records, and the single quote that
// keeps a spreadsheet from taking a text cell for a formula.
#include "core/Csv.h"

#include <QTest>

class TestCsv : public QObject {
    Q_OBJECT

private slots:
    void field_data();
    void field();
    void document();
};

void TestCsv::field_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "sports car" << false << "sports car";
    QTest::newRow("spaces at the ends") << " car " << false << " car ";
    QTest::newRow("comma") << "a,b" << false << "\"a,b\"";
    QTest::newRow("quote") << "a\"b" << false << "\"a\"\"b\"";
    QTest::newRow("CR") << "a\rb" << false << "\"a\rb\"";
    QTest::newRow("LF") << "a\nb" << false << "\"a\nb\"";
    QTest::newRow("non-ASCII") << QString::fromUtf8("caf\xc3\xa9") << false
                               << QString::fromUtf8("caf\xc3\xa9");
    QTest::newRow("formula =") << "=1+2.trv" << false << "'=1+2.trv";
    QTest::newRow("formula +") << "+1" << false << "'+1";
    QTest::newRow("formula -") << "-2+3" << false << "'-2+3";
    QTest::newRow("formula @") << "@SUM(A1)" << false << "'@SUM(A1)";
    QTest::newRow("formula after a tab") << "\t=1" << false << "'\t=1";
    QTest::newRow("formula with quotes")
        << "=HYPERLINK(\"x\",\"y\")" << false << "\"'=HYPERLINK(\"\"x\"\",\"\"y\"\")\"";
    QTest::newRow("a lone dash") << "-" << false << "-";
    QTest::newRow("a quote before a formula") << "'=1" << false << "''=1";
    QTest::newRow("quotes before a formula") << "''@home" << false << "'''@home";
    QTest::newRow("a quote before a lone dash") << "'-" << false << "'-";
    QTest::newRow("a quote before plain text") << "'tis" << false << "'tis";
    QTest::newRow("byte-order mark first") << QString(QChar(0xfeff)) + "x" << false
                                           << "\"" + QString(QChar(0xfeff)) + "x\"";
    QTest::newRow("negative number") << "-1.5" << true << "-1.5";
    QTest::newRow("number with exponent") << "1e+21" << true << "1e+21";
    QTest::newRow("empty") << "" << false << "";
}

void TestCsv::field()
{
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(QString, field);
    QCOMPARE(CsvField(text, number ? CsvCellKind::Number : CsvCellKind::Text), field);
}

void TestCsv::document()
{
    QCOMPARE(CsvDocument(QList<QStringList>{ { "name", "note" }, { "a,b", "-x" }, {} }),
             QByteArray("name,note\r\n\"a,b\",'-x\r\n\r\n"));
    QCOMPARE(CsvDocument(QList<QList<CsvCell>>{
                 { { "-1.5", CsvCellKind::Number }, { "-1.5", CsvCellKind::Text } } }),
             QByteArray("-1.5,'-1.5\r\n"));
}

QTEST_GUILESS_MAIN(TestCsv)
#include "tst_csv.moc"
