// SPDX-License-Identifier: GPL-3.0-or-later
// The translations of the programs' texts. The texts of the three programs
// and of the core are in one catalogue, torvane_<language>.qm; Qt's own
// texts (its file dialogs, message boxes and context menus) are in Qt's
// qtbase_<language>.qm.
//
// In: the user's languages, most preferred first (QLocale::uiLanguages()).
// Out: translators installed in the running application. English is the
// language the texts are written in: when English comes before any language
// with a catalogue, nothing is loaded, so a user who prefers English and
// also reads German still sees English.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Where the catalogue is looked for, in this order: installed, the
// share/torvane/translations folder beside the program's bin folder; in a
// build tree, the translations folder beside the program.
QStringList TranslationFolders();

// The path of <base>_<language>.qm in `folder` for the first of `languages`
// that has one ("de-DE" tries de_DE, then de); empty when English comes
// first or none has one.
QString TranslationFile(const QString& base, const QStringList& languages, const QString& folder);

struct InstalledTranslations {
    QString programFile; // the catalogue loaded; empty when none
    QString qtFile;      // Qt's own; empty when none
};

// Installs into the running application, which owns them, the catalogue
// from the first of `folders` that has one for `locale`, and Qt's own texts
// for the same locale.
InstalledTranslations InstallTranslations(const QLocale& locale = QLocale(),
                                          const QStringList& folders = TranslationFolders());
