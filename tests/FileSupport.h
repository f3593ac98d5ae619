// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the tests that look at files: a file's bytes, written
// or read whole, and the text of a PDF as poppler's pdftotext reads it.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The text of a PDF through pdftotext with the given options; empty when
// pdftotext is missing or fails.
inline QString PdfText(const QString& pdf, const QStringList& options)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), options + QStringList{ pdf, QStringLiteral("-") });
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
        return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
