#include "settings/language.h"

#include "settings/preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

namespace qv::settings::language {

namespace {

Q_LOGGING_CATEGORY(lcLanguage, "qv.language", QtInfoMsg)

struct Installed
{
    QTranslator program;
    QTranslator qt;
    Language language = Language::Hungarian;
};

Installed &installed()
{
    static Installed translations;
    return translations;
}

} // namespace

QString code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("hu");
}

std::optional<Language> fromCode(const QString &code)
{
    if (code == QLatin1String("hu"))
        return Language::Hungarian;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language fromSystem(const QStringList &uiLanguages)
{
    bool named = false; // some entry names a language, spoken here or not
    for (const QString &name : uiLanguages) {
        const QString language = name.section(QLatin1Char('-'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('.'), 0, 0)
                                     .toLower();
        if (language.isEmpty() || language == QLatin1String("c") ||
            language == QLatin1String("posix"))
            continue;
        named = true;
        if (const std::optional<Language> known = fromCode(language))
            return *known;
    }
    // A system that names no language at all (the C or POSIX locale, nothing in LANGUAGE,
    // LC_ALL, LC_MESSAGES or LANG) gets the program's own language, as before English came.
    return named ? Language::English : Language::Hungarian;
}

QString requested(const QStringList &arguments)
{
    QString value;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--lang") || arg == QLatin1String("-lang"))
            value = arguments.value(++i);
        else if (arg.startsWith(QLatin1String("--lang=")))
            value = arg.mid(7);
    }
    return value;
}

QStringList withoutRequested(const QStringList &arguments)
{
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (i > 0 && arg == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        if (i > 0 && (arg == QLatin1String("--lang") || arg == QLatin1String("-lang")))
            ++i; // and its value
        else if (i == 0 || !arg.startsWith(QLatin1String("--lang=")))
            kept << arg;
    }
    return kept;
}

Language choose(const QString &requested, const QString &remembered, const QStringList &uiLanguages)
{
    if (const std::optional<Language> language = fromCode(requested))
        return *language;
    if (const std::optional<Language> language = fromCode(remembered))
        return *language;
    return fromSystem(uiLanguages);
}

Language chooseForThisProcess(const QStringList &arguments)
{
    return choose(requested(arguments), preferences::language(), QLocale::system().uiLanguages());
}

void use(Language language)
{
    Installed &now = installed();
    QCoreApplication::removeTranslator(&now.program);
    QCoreApplication::removeTranslator(&now.qt);
    now.language = language;
    const QLocale locale(language == Language::English ? QLocale::English : QLocale::Hungarian,
                         language == Language::English ? QLocale::UnitedStates : QLocale::Hungary);
    QLocale::setDefault(locale);
    // The sources speak Hungarian: its catalogue is nearly empty, but it is there, so that a
    // lookup by the user's languages ("hu:en") stops at Hungarian instead of English.
    if (now.program.load(locale, QStringLiteral("qvconfig"), QStringLiteral("_"),
                         QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(&now.program);
        qCDebug(lcLanguage, "%s: %s", qPrintable(code(language)),
                qUtf8Printable(now.program.filePath()));
    } else if (language == Language::English) {
        qCWarning(lcLanguage, "the English catalogue is missing");
    }
    // Qt's own dialogs and standard buttons ("Megnyitás", "Mégse"): English without one.
    if (language == Language::Hungarian) {
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (now.qt.load(QStringLiteral("qtbase_hu"), folder)) {
            QCoreApplication::installTranslator(&now.qt);
            qCDebug(lcLanguage, "qtbase_hu.qm: %s", qUtf8Printable(now.qt.filePath()));
        } else {
            qCDebug(lcLanguage, "qtbase_hu.qm: not found in %s", qUtf8Printable(folder));
        }
    }
}

Language current()
{
    return installed().language;
}

} // namespace qv::settings::language
