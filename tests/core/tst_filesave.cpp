// SPDX-License-Identifier: GPL-3.0-or-later
// Saving whole or not at all, when the saving process is killed: whenever
// the kill comes, the file holds the old contents or the new ones, each
// whole, and nothing else.
#include "FileSupport.h"

#include "core/FileSave.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

class TestFileSave : public QObject
{
    Q_OBJECT

private slots:
    void aKillLeavesAWholeFile_data()
    {
        QTest::addColumn<int>("delayMicroseconds");
        for (int delay : { 0, 200, 1000, 3000, 8000, 20000 })
            QTest::addRow("killed after %d µs", delay) << delay;
    }
    void aKillLeavesAWholeFile()
    {
        QFETCH(int, delayMicroseconds);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        const QByteArray old(3 * 1024 * 1024, 'o');
        writeAll(path, old);
        // The child saves new contents over and over until it is killed.
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            for (char c = 'a';; c = c == 'z' ? 'a' : static_cast<char>(c + 1))
                SaveBytes(path, QByteArray(2 * 1024 * 1024 + c, c));
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds));
        ::kill(child, SIGKILL);
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        const QByteArray kept = readAll(path);
        const bool whole = kept == old
                           || (!kept.isEmpty() && kept.count(kept.front()) == kept.size()
                               && kept.size() == 2 * 1024 * 1024 + kept.front());
        QVERIFY2(whole, qPrintable(QStringLiteral("%1 bytes").arg(kept.size())));
    }
};

QTEST_GUILESS_MAIN(TestFileSave)
#include "tst_filesave.moc"
