// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool isSourceLanguage(const QString& language)
{
    const QLocale locale(language);
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// Loads `file` into a new translator that the application owns and uses;
// false when the file does not load.
bool install(const QString& file)
{
    if (file.isEmpty())
        return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file) && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

QStringList TranslationFolders()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    // Installed; beside the program (the build tree's classic program); one
    // up (the build tree's garage, in a folder of its own).
    return { QDir::cleanPath(programDir.absoluteFilePath(QStringLiteral("../share/torvane/translations"))),
             programDir.absoluteFilePath(QStringLiteral("translations")),
             QDir::cleanPath(programDir.absoluteFilePath(QStringLiteral("../translations"))) };
}

QString TranslationFile(const QString& base, const QStringList& languages, const QString& folder)
{
    const QDir dir(folder);
    for (const QString& language : languages) {
        if (isSourceLanguage(language))
            return QString();
        // "de-DE" names de_DE.qm, then de.qm.
        QString name = QString(language).replace(QLatin1Char('-'), QLatin1Char('_'));
        while (!name.isEmpty()) {
            const QString path = dir.filePath(base + QLatin1Char('_') + name + QStringLiteral(".qm"));
            if (QFileInfo(path).isFile())
                return path;
            const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
            name.truncate(cut < 0 ? 0 : cut);
        }
    }
    return QString();
}

InstalledTranslations InstallTranslations(const QLocale& locale, const QStringList& folders)
{
    InstalledTranslations installed;
    const QStringList languages = locale.uiLanguages();
    for (const QString& folder : folders) {
        const QString file = TranslationFile(QStringLiteral("torvane"), languages, folder);
        if (install(file)) {
            installed.programFile = file;
            break;
        }
    }
    const QString qtFile = TranslationFile(QStringLiteral("qtbase"), languages,
                                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (install(qtFile))
        installed.qtFile = qtFile;
    return installed;
}
