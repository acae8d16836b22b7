// Where the program finds its data files (pictures, defaults, compatibility table, manual).
#pragma once

#include <QLocale>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

namespace qv::settings {

// Where each data file was found, or that it was not (debug level, off by default:
// QT_LOGGING_RULES="qv.data.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcData)

// The folders searched for a data file, in order: the working directory first
// (a technician may keep edited copies next to their configurations), then the
// program's own folder (the build), then the data folder of the installation the
// program runs from (<program folder>/../share/qvconfig, wherever it was installed),
// then the data folder of the prefix it was built for. Duplicates are left out.
QStringList dataFileFolders();

// The same, for a given working directory and program folder (empty: no application
// object, so the program's folder is unknown).
QStringList dataFileFolders(const QString &workingDir, const QString &programDir);

// Replaces the folders searched (tests only); an empty list restores the default ones.
void overrideDataFileFolders(const QStringList &folders);

// The path of the first existing file called `name` in dataFileFolders(); the
// bare name when none exists, so that callers report it as missing.
QString locateDataFile(const QString &name);

// The same for a file with words in it (a picture): in English the variant with "_en"
// before the suffix ("i_default_en.dll") when there is one, else `name` itself.
QString locateLocalisedDataFile(const QString &name);

// The names of every data file the program of `version` reads, both manuals included.
QStringList dataFileNames(const QString &version);

// The file name of the user manual in `language`: the Hungarian manual for Hungarian,
// the English one for every other language.
QString manualFileName(QLocale::Language language);

// The manual to open for the program's language (QLocale(), which the program sets to
// the user's choice at start): the one in that language, or the other one when it is
// missing, so that Help always opens a manual that is there. The path of the first that
// exists, or the bare name of the one in the program's language when neither does.
QString locateManual(QLocale::Language language = QLocale().language());

} // namespace qv::settings
