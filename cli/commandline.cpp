#include "cli/commandline.h"

#include "cli/commands.h"

#include "register/store.h"

#include "settings/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace qv::cli {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::CommandLine)
};

QString usage()
{
    //: The window's --help. Option names (--port, --register, --lang), the program's name,
    //: "hu", "en", "COM1", the port names and the connection examples stay as they are;
    //: the descriptions start in column 20.
    return Text::tr(
        "Használat: qvconfig [kapcsolók] [fájl]\n"
        "Quorvel és Brastok GSM modulok konfigurálása.\n"
        "\n"
        "Kapcsolók:\n"
        "  -h, --help       Kiírja ezt a súgót.\n"
        "  -v, --version    Kiírja a program verzióját.\n"
        "  --port <név>     Ezzel a porttal indul a \"COM1\" helyett (1200 bit/s), például\n"
        "                   ttyUSB0, COM3 vagy /dev/pts/3.\n"
        "  --register <kapcsolat>\n"
        "                   A csapat PostgreSQL-nyilvántartásába is ír: libpq kapcsolati\n"
        "                   szöveg (\"host=szerver dbname=qv user=technikus\") vagy\n"
        "                   szolgáltatásnév (\"service=qv\"). Jelszó nélkül: azt a ~/.pgpass\n"
        "                   fájl vagy a szolgáltatásfájl adja.\n"
        "  --lang <nyelv>   A program nyelve: hu (magyar) vagy en (angol). Enélkül a\n"
        "                   menüben választott, vagy a rendszer nyelve.\n"
        "\n"
        "Argumentumok:\n"
        "  fájl             Ezt a konfigurációs fájlt (*.msw) nyitja meg az első sikeres\n"
        "                   azonosítás után.\n");
}

QString noConnection()
{
    return Text::tr("A --register után meg kell adni a nyilvántartás kapcsolatát.");
}

QString badLanguage()
{
    return Text::tr("A --lang után a program nyelve adható meg: hu vagy en.");
}

QString noPortName()
{
    return Text::tr("A --port után meg kell adni a port nevét.");
}

// Options that Qt's application object reads (and removes) itself; those in the first
// list take a value, as the next argument or after "=".
const QStringList kQtOptionsWithValue{
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
    QStringLiteral("qwindowtitle"),    QStringLiteral("title"),
    QStringLiteral("qwindowicon"),     QStringLiteral("icon"),
    QStringLiteral("display"),         QStringLiteral("name"),
    QStringLiteral("session"),         QStringLiteral("style"),
    QStringLiteral("stylesheet"),
};
const QStringList kQtFlags{
    QStringLiteral("reverse"), QStringLiteral("widgetcount"), QStringLiteral("nograb"),
    QStringLiteral("dograb"),  QStringLiteral("sync"),        QStringLiteral("testability"),
};

QStringList withoutQtOptions(const QStringList &arguments)
{
    QStringList kept{arguments.value(0)};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        // Everything after "--" is a file name, whatever it looks like.
        if (arg == QLatin1String("--")) {
            kept << arguments.mid(i);
            break;
        }
        if (!arg.startsWith(QLatin1Char('-'))) {
            kept << arg;
            continue;
        }
        // Qt accepts its options with one dash or two.
        const QString name =
            arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(QLatin1Char('='), 0, 0);
        if (kQtOptionsWithValue.contains(name)) {
            if (!arg.contains(QLatin1Char('=')))
                ++i;
            continue;
        }
        if (kQtFlags.contains(name))
            continue;
        kept << arg;
    }
    return kept;
}

CommandLine error(const QString &reason)
{
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.text = reason + QStringLiteral("\n\n") + usage();
    return result;
}

} // namespace

void addSharedOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        QCommandLineOption(QStringLiteral("port"), QString(), QStringLiteral("név")),
        QCommandLineOption(QStringLiteral("register"), QString(), QStringLiteral("kapcsolat")),
        QCommandLineOption(QStringLiteral("lang"), QString(), QStringLiteral("nyelv")),
    });
}

QString readSharedOptions(const QCommandLineParser &parser, SharedOptions *options)
{
    const QString port = QStringLiteral("port");
    const QString team = QStringLiteral("register");
    const QString language = QStringLiteral("lang");
    if (parser.isSet(port) && parser.value(port).isEmpty())
        return noPortName();
    if (parser.isSet(team) && parser.value(team).trimmed().isEmpty())
        return noConnection();
    if (parser.isSet(language) && !settings::language::fromCode(parser.value(language)))
        return badLanguage();
    if (parser.isSet(team)) {
        if (const QString problem = qv::reg::Store::connectionProblem(parser.value(team));
            !problem.isEmpty())
            return QStringLiteral("--register: ") + problem;
    }
    options->port = parser.value(port);
    options->teamRegister = parser.value(team).trimmed();
    options->language = parser.value(language);
    return {};
}

QString parseFailure(const QCommandLineParser &parser)
{
    const QStringList unknown = parser.unknownOptionNames();
    if (!unknown.isEmpty()) {
        const QString &name = unknown.constFirst();
        return Text::tr("Ismeretlen kapcsoló: %1%2")
            .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name);
    }
    if (parser.errorText().contains(QLatin1String("port")))
        return noPortName();
    if (parser.errorText().contains(QLatin1String("register")))
        return noConnection();
    if (parser.errorText().contains(QLatin1String("lang")))
        return badLanguage();
    return Text::tr("Hibás parancssor: %1").arg(parser.errorText());
}

CommandLine parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, versionOption});
    addSharedOptions(parser);
    parser.addPositionalArgument(QStringLiteral("fájl"), QString());

    if (!parser.parse(withoutQtOptions(arguments)))
        return error(parseFailure(parser));

    CommandLine result;
    if (parser.isSet(help)) {
        result.action = CommandLine::Action::Help;
        result.text = usage() + u'\n' + commandList();
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.action = CommandLine::Action::Version;
        result.text = QStringLiteral("qvconfig %1\n").arg(version);
        return result;
    }
    SharedOptions shared;
    if (const QString problem = readSharedOptions(parser, &shared); !problem.isEmpty())
        return error(problem);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return error(
            Text::tr("Csak egy konfigurációs fájl adható meg (kapott: %1).").arg(files.size()));
    if (files.size() == 1 && files.constFirst().isEmpty())
        return error(Text::tr("A fájl neve üres."));
    // A mistyped command is no file to open.
    if (const Dispatch command = dispatch(arguments); command.kind == Dispatch::Kind::Unknown)
        return error(command.reason);
    result.port = shared.port;
    result.teamRegister = shared.teamRegister;
    result.file = files.value(0);
    return result;
}

int printAnswer(const CommandLine &line)
{
    const bool ok = line.action != CommandLine::Action::Error;
    std::fputs(qPrintable(line.text), ok ? stdout : stderr);
    return ok ? 0 : 1;
}

} // namespace qv::cli
