// The language of the program's texts: Hungarian (the texts as written in the sources) or
// English (translations/qvconfig_en.ts, built into the program), and Qt's own texts with it.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qv::settings::language {

enum class Language { Hungarian, English };

// "hu" or "en": what --lang takes and what the settings keep.
QString code(Language language);
std::optional<Language> fromCode(const QString &code);

// The language of the system's list of user interface languages (QLocale::uiLanguages(),
// e.g. "hu-HU", "en-US"): the first one the program speaks; English when it speaks none of
// those named, Hungarian when the list names no language at all (only "C" or "POSIX", or
// nothing, as Qt reports a C or POSIX locale).
Language fromSystem(const QStringList &uiLanguages);

// The value of --lang among the program's arguments (after the command, for a command
// without a window); empty when not given. Arguments after "--" are file names.
QString requested(const QStringList &arguments);
// `arguments` without what requested() reads (--lang and its value): a restart after the
// user chose a language in the menu must not have an old --lang outrank the choice.
QStringList withoutRequested(const QStringList &arguments);

// What the program speaks: --lang when it names a language, else the choice remembered
// from the menu, else the system's language.
Language choose(const QString &requested, const QString &remembered,
                const QStringList &uiLanguages);

// The same from this process: its arguments, the user's settings and the system's locale.
Language chooseForThisProcess(const QStringList &arguments);

// Installs the program's and Qt's translations for `language` into the application object
// (replacing those installed before) and makes it the default locale. Hungarian needs no
// catalogue of the program's own: its texts are written in Hungarian.
void use(Language language);

// The language installed by use(); Hungarian before any call.
Language current();

} // namespace qv::settings::language
