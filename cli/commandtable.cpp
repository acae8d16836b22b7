// The table of commands: each command's name, arguments, options, handler and the lines its
// usage gives; the options of the commands; and the run of one command from its command line.
#include "cli/command.h"
#include "cli/commandline.h"
#include "serial/portmessages.h"
#include "settings/language.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qv::cli {

namespace {

// A line of the usage: what to type, and what it does (a line break in either continues it
// on the next line, in its column).
struct Synopsis
{
    const char *arguments = nullptr; // after the command's name; nullptr for none
    const char *summary = nullptr;
};

struct Command
{
    QString name = {};
    QList<Synopsis> synopses = {};       // the first one's summary says what the command is for
    int files = 0;                       // how many file names it takes
    bool usesPort = true;                // it talks to the module: --port and --baud belong to it
    QStringList options = {};            // the options of its own (optionGroups())
    const char *withoutOutput = nullptr; // what is said when it needs -o and has none
    bool laysOutText = false;            // it needs Qt Gui (see SheetWriter)
    Handler handler = nullptr;
};

// The texts of the usage, in the commands' translation context.
QString text(const char *source)
{
    return QCoreApplication::translate("qv::Commands", source);
}

const QList<Command> &commands()
{
    //: The commands' --help, a command's line: its arguments (option names stay; FÁJL, A,
    //: B, MP, ALAP, EGYSÉGEK, LAP, SZÖVEG are placeholders to translate) and what it does.
    //: The usage puts the description in column 28.
    static const QList<Command> table{
        {.name = QStringLiteral("identify"),
         .synopses = {{nullptr, QT_TRANSLATE_NOOP("qv::Commands", "A modul azonosítása.")}},
         .handler = identifyCommand},
        {.name = QStringLiteral("read"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands", "-o FÁJL.msw"),
                       QT_TRANSLATE_NOOP("qv::Commands",
                                         "A modul konfigurációjának kiolvasása fájlba.")}},
         .options = {QStringLiteral("output")},
         .withoutOutput =
             QT_TRANSLATE_NOOP("qv::Commands", "A read parancs a -o FÁJL.msw kapcsolót várja."),
         .handler = readCommand},
        {.name = QStringLiteral("write"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands", "FÁJL.msw [--verify]"),
                       QT_TRANSLATE_NOOP("qv::Commands", "A fájl betöltése a modulba (--verify: "
                                                         "visszaolvasással).")}},
         .files = 1,
         .options = {QStringLiteral("verify")},
         .handler = writeCommand},
        {.name = QStringLiteral("compare"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands", "FÁJL.msw"),
                       QT_TRANSLATE_NOOP("qv::Commands",
                                         "A fájl összehasonlítása a modul konfigurációjával.")}},
         .files = 1,
         .handler = compareCommand},
        {.name = QStringLiteral("diff"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands", "A.msw B.msw"),
                       QT_TRANSLATE_NOOP("qv::Commands",
                                         "Két fájl összehasonlítása (modul nélkül).")}},
         .files = 2,
         .usesPort = false,
         .handler = diffCommand},
        {.name = QStringLiteral("status"),
         .synopses = {{nullptr,
                       QT_TRANSLATE_NOOP("qv::Commands", "A modul állapotának lekérdezése.")},
                      {QT_TRANSLATE_NOOP("qv::Commands", "--watch MP [--count N] [--csv FÁJL]"),
                       QT_TRANSLATE_NOOP("qv::Commands",
                                         "Az állapot figyelése MP másodpercenként (Ctrl+C: vége,\n"
                                         "összesítéssel); --csv: napló CSV-fájlba.")}},
         .options = {QStringLiteral("watch"), QStringLiteral("count"), QStringLiteral("csv")},
         .handler = statusCommand},
        {.name = QStringLiteral("series"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands",
                                         "ALAP.msw EGYSÉGEK.csv [--verify] [--model qv5|qv3|brk2] "
                                         "[--skip-invalid]\n[--read-first] [--results FÁJL] "
                                         "[--new-batch] [--port A --port B ...]\n"
                                         "[--claim-lease MP] [--retry-any-lane]"),
                       QT_TRANSLATE_NOOP("qv::Commands",
                                         "Sorozatprogramozás: egymás után csatlakoztatott "
                                         "modulok,\nmindegyik az alapfájl értékeivel és a "
                                         "táblázat saját sorával.")}},
         .files = 2,
         .options = {QStringLiteral("verify"), QStringLiteral("model"),
                     QStringLiteral("skip-invalid"), QStringLiteral("read-first"),
                     QStringLiteral("results"), QStringLiteral("new-batch"),
                     QStringLiteral("claim-lease"), QStringLiteral("retry-any-lane")},
         .handler = seriesCommand},
        {.name = QStringLiteral("series-status"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands", "EGYSÉGEK.csv"),
                       QT_TRANSLATE_NOOP("qv::Commands",
                                         "A táblázat sorozatai: kész, sikertelen, folyamatban "
                                         "(melyik\ngépen), hátralévő sorok, egység óránként.")}},
         .files = 1,
         .usesPort = false,
         .handler = seriesStatusCommand},
        {.name = QStringLiteral("sheet"),
         .synopses = {{QT_TRANSLATE_NOOP("qv::Commands",
                                         "FÁJL.msw -o LAP.pdf [--with-pin] [--site SZÖVEG]"),
                       QT_TRANSLATE_NOOP("qv::Commands", "Ügyféllap a fájl konfigurációjáról, "
                                                         "PDF-ben (modul nélkül).")}},
         .files = 1,
         .usesPort = false,
         .options = {QStringLiteral("output"), QStringLiteral("with-pin"), QStringLiteral("site")},
         .withoutOutput =
             QT_TRANSLATE_NOOP("qv::Commands", "A sheet parancs a -o LAP.pdf kapcsolót várja."),
         .laysOutText = true,
         .handler = sheetCommand},
    };
    return table;
}

// An option of the commands. The shared ones (--port, --register, --lang) are declared with
// the window's (cli/commandline.h) and only listed here for the usage.
struct CommandOption
{
    QStringList names = {};
    QString valueName = {};         // empty: a switch
    const char *synopsis = nullptr; // its line in the usage; nullptr: its commands' lines show it
    const char *summary = nullptr;
    bool shared = false;
};

const QList<CommandOption> &options()
{
    //: The commands' --help, an option's line: the option (its name stays; <név>, <nyelv> ...
    //: are placeholders to translate) and what it does. The usage puts the description in
    //: column 28.
    static const QList<CommandOption> table{
        {.names = {QStringLiteral("port")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--port <név>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands", "A modul portja (alapértelmezés: COM1)."),
         .shared = true},
        {.names = {QStringLiteral("baud")},
         .valueName = QStringLiteral("bit/s"),
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--baud <bit/s>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands", "Az azonosítás és a kiolvasás sebessége "
                                                      "(alapértelmezés: 1200).")},
        {.names = {QStringLiteral("json")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--json"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands", "Gépi feldolgozásra szánt JSON kimenet.")},
        {.names = {QStringLiteral("register")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--register <kapcsolat>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "A csapat nyilvántartása is (lásd qvconfig --help)."),
         .shared = true},
        {.names = {QStringLiteral("lang")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--lang <nyelv>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "A kiírások nyelve: hu vagy en (lásd qvconfig --help)."),
         .shared = true},
        {.names = {QStringLiteral("model")},
         .valueName = QStringLiteral("típus"),
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--model qv5|qv3|brk2"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "series: a sorozat modultípusa (alapértelmezés: ahová az\n"
                                      "első sora került, különben az első modulé).")},
        {.names = {QStringLiteral("skip-invalid")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--skip-invalid"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands", "series: a hibás sorok kihagyása (nélküle "
                                                      "semmi sem íródik).")},
        {.names = {QStringLiteral("read-first")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--read-first"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "series: minden modul kiolvasása betöltés előtt (mentésként "
                                      "a\nnyilvántartásba); a sorozat egy sorát már tároló modul "
                                      "nem\nkap újat.")},
        {.names = {QStringLiteral("results")},
         .valueName = QStringLiteral("fájl"),
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--results <fájl>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands", "series: az eredményfájl (alapértelmezés: "
                                                      "EGYSÉGEK-eredmeny.csv).")},
        {.names = {QStringLiteral("new-batch")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--new-batch"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "series: ugyanaz a táblázat új kötegként, elölről (nem "
                                      "folytatja\na korábbit).")},
        {.names = {QStringLiteral("retry-any-lane")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--retry-any-lane"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "series: a sikertelen egység sora bármelyik port következő\n"
                                      "moduljára kerül (nélküle ugyanannak a portnak a\nkövetkező "
                                      "moduljára).")},
        {.names = {QStringLiteral("claim-lease")},
         .valueName = QStringLiteral("mp"),
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--claim-lease <mp>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands",
                                      "series: csapat nyilvántartásával ennyi ideig marad egy "
                                      "sor\nfoglalása e gépé megújítás nélkül (alapértelmezés: "
                                      "60).")},
        {.names = {QStringLiteral("with-pin")},
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--with-pin"),
         .summary =
             QT_TRANSLATE_NOOP("qv::Commands", "sheet: a modul PIN-kódja is a lapra kerül.")},
        {.names = {QStringLiteral("site")},
         .valueName = QStringLiteral("szöveg"),
         .synopsis = QT_TRANSLATE_NOOP("qv::Commands", "--site <szöveg>"),
         .summary = QT_TRANSLATE_NOOP("qv::Commands", "sheet: a helyszín, ahogy a lapon áll.")},
        {.names = {QStringLiteral("h"), QStringLiteral("help")}},
        {.names = {QStringLiteral("verify")}},
        {.names = {QStringLiteral("o"), QStringLiteral("output")},
         .valueName = QStringLiteral("fájl")},
        {.names = {QStringLiteral("watch")}, .valueName = QStringLiteral("mp")},
        {.names = {QStringLiteral("count")}, .valueName = QStringLiteral("n")},
        {.names = {QStringLiteral("csv")}, .valueName = QStringLiteral("fájl")},
    };
    return table;
}

QString readSeriesOptions(Context &c);

// Options that belong to some commands only, in the order they are checked: what is said
// when another command is given one of them, the option they need beside them, and how
// their values are read for the commands they belong to.
struct OptionGroup
{
    QStringList options = {};
    const char *context = "qv::Commands"; // of the refusal's text
    const char *refusal = nullptr;
    QString needs = {};                   // empty: none
    QString (*read)(Context &) = nullptr; // returns why a value cannot be used
};

const QList<OptionGroup> &optionGroups()
{
    static const QList<OptionGroup> groups{
        {.options = {QStringLiteral("output")},
         .refusal = QT_TRANSLATE_NOOP("qv::Commands",
                                      "A -o kapcsoló csak a read és a sheet parancshoz tartozik.")},
        {.options = {QStringLiteral("with-pin"), QStringLiteral("site")},
         .refusal = QT_TRANSLATE_NOOP("qv::Commands", "A --with-pin és a --site kapcsoló csak a "
                                                      "sheet parancshoz tartozik.")},
        {.options = {QStringLiteral("verify")},
         .refusal = QT_TRANSLATE_NOOP("qv::Commands",
                                      "A --verify kapcsoló csak a write parancshoz tartozik.")},
        {.options = {QStringLiteral("model"), QStringLiteral("skip-invalid"),
                     QStringLiteral("read-first"), QStringLiteral("results"),
                     QStringLiteral("new-batch"), QStringLiteral("claim-lease"),
                     QStringLiteral("retry-any-lane")},
         .context = "qv::cli",
         .refusal = QT_TRANSLATE_NOOP("qv::cli", "A --model, --skip-invalid, --read-first, "
                                                 "--results, --new-batch, --claim-lease és "
                                                 "--retry-any-lane kapcsoló csak a series "
                                                 "parancshoz tartozik."),
         .read = readSeriesOptions},
        {.options = {QStringLiteral("watch")},
         .refusal = QT_TRANSLATE_NOOP("qv::Commands",
                                      "A --watch kapcsoló csak a status parancshoz tartozik.")},
        {.options = {QStringLiteral("count"), QStringLiteral("csv")},
         .refusal = QT_TRANSLATE_NOOP("qv::Commands", "A --count és a --csv kapcsoló a status "
                                                      "--watch parancshoz tartozik."),
         .needs = QStringLiteral("watch")},
    };
    return groups;
}

// series --model, --skip-invalid, --read-first, --results.
QString readSeriesOptions(Context &c)
{
    const QCommandLineParser &options = *c.options;
    const QString model = QStringLiteral("model");
    const QString results = QStringLiteral("results");
    if (options.isSet(model)) {
        const QString name = options.value(model).toLower();
        const std::pair<const char *, int> models[] = {{"qv5", settings::ModelQV5},
                                                       {"qv3", settings::ModelQV3},
                                                       {"brk2", settings::ModelBRK2}};
        for (const auto &[word, code] : models) {
            if (name == QLatin1StringView(word))
                c.model = code;
        }
        if (c.model == settings::NoDevice)
            return SeriesText::tr("Ismeretlen modultípus: %1 (qv5, qv3 vagy brk2 lehet).")
                .arg(options.value(model));
    }
    c.skipInvalid = options.isSet(QStringLiteral("skip-invalid"));
    c.readFirst = options.isSet(QStringLiteral("read-first"));
    c.newBatch = options.isSet(QStringLiteral("new-batch"));
    c.retryAnyLane = options.isSet(QStringLiteral("retry-any-lane"));
    const QString lease = QStringLiteral("claim-lease");
    if (options.isSet(lease)) {
        bool ok = false;
        const int seconds = options.value(lease).toInt(&ok);
        if (!ok || seconds < 2 || seconds > 24 * 3600)
            return SeriesText::tr("Hibás foglalási idő: %1 (2 és 86400 másodperc között lehet).")
                .arg(options.value(lease));
        c.claimLeaseMs = seconds * 1000;
    }
    c.results = options.value(results);
    if (options.isSet(results) && c.results.isEmpty())
        return SeriesText::tr("A --results után meg kell adni a fájl nevét.");
    return {};
}

// A line of the usage: `left` in column 3, `summary` in column 28 (on the next line when
// `left` reaches it); `indent` is where `left` continues after its own line breaks.
QString usageLine(const QString &left, const QString &summary, int indent)
{
    constexpr int SummaryColumn = 27;
    QString line =
        QStringLiteral("  ") + QString(left).replace(u'\n', u'\n' + QString(indent, u' '));
    const qsizetype lastLine = line.size() - line.lastIndexOf(u'\n') - 1;
    if (line.contains(u'\n') || lastLine > SummaryColumn - 2)
        line += u'\n' + QString(SummaryColumn, u' ');
    else
        line += QString(SummaryColumn - lastLine, u' ');
    return line + QString(summary).replace(u'\n', u'\n' + QString(SummaryColumn, u' ')) + u'\n';
}

QString exitCodes()
{
    //: The commands' --help: the exit codes (the numbers stay).
    return text(QT_TRANSLATE_NOOP(
        "qv::Commands",
        "Kilépési kód: 0 kész, 1 hibás parancssor, 2 a port nem használható, 3 nincs "
        "modul vagy\nnem kompatibilis, 4 sikertelen adatcsere (series: sikertelen egység "
        "vagy leállítva;\nsheet: a PDF nem írható; status --watch: hiányzó minta vagy a "
        "napló nem írható),\n5 eltérések.\n"));
}

QString commandLines(const Command &command)
{
    QString result;
    for (const Synopsis &line : command.synopses) {
        QString left = command.name;
        if (line.arguments)
            left += u' ' + text(line.arguments);
        result += usageLine(left, text(line.summary), 2 + int(command.name.size()) + 1);
    }
    return result;
}

// The usage of every command, or of `only` with the options it takes.
QString usage(const Command *only = nullptr)
{
    //: The commands' --help: its first lines.
    QString result =
        text(QT_TRANSLATE_NOOP("qv::Commands", "Használat: qvconfig <parancs> [kapcsolók]\n"
                                               "Parancsok:\n"));
    for (const Command &command : commands()) {
        if (!only || only == &command)
            result += commandLines(command);
    }
    //: The commands' --help: the heading of the options.
    result += text(QT_TRANSLATE_NOOP("qv::Commands", "Kapcsolók:\n"));
    for (const CommandOption &option : options()) {
        const QString &name = option.names.constLast();
        const bool portOption = name == u"port" || name == u"baud";
        if (option.synopsis && (!only || (portOption ? only->usesPort
                                                     : option.shared || name == u"json" ||
                                                           only->options.contains(name))))
            result += usageLine(text(option.synopsis), text(option.summary), 2);
    }
    return result + exitCodes();
}

// The number of single-character edits that turn `a` into `b`.
qsizetype editDistance(const QString &a, const QString &b)
{
    QList<qsizetype> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        qsizetype diagonal = row[0];
        row[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const qsizetype above = row[j];
            row[j] =
                std::min({row[j] + 1, row[j - 1] + 1,
                          diagonal + (a.at(i - 1).toLower() == b.at(j - 1).toLower() ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

const QString kHelp = QStringLiteral("help");

const Command *findCommand(const QString &name)
{
    for (const Command &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

} // namespace

bool isCommand(const QString &argument)
{
    return argument == kHelp || findCommand(argument) != nullptr;
}

QString commandList()
{
    //: The window's --help: the heading of the commands' list (PARANCS is a placeholder).
    QString result =
        text(QT_TRANSLATE_NOOP("qv::Commands", "Parancsok (egy parancs súgója: qvconfig help "
                                               "PARANCS):\n"));
    for (const Command &command : commands()) {
        // The summary's first line; one that goes on ends in an ellipsis.
        const QString summary = text(command.synopses.constFirst().summary);
        QString line = summary.section(u'\n', 0, 0);
        if (line.size() < summary.size()) {
            if (line.endsWith(u','))
                line.chop(1);
            line += u'…';
        }
        result += usageLine(command.name, line, 2);
    }
    return result;
}

Dispatch dispatch(const QStringList &arguments)
{
    // The options that take a value: the commands', the shared ones and Qt's own.
    static const QStringList withValue = [] {
        QStringList names{
            QStringLiteral("port"), QStringLiteral("register"), QStringLiteral("lang"),
            // Qt's own (the window's application object reads them)
            QStringLiteral("platform"), QStringLiteral("platformpluginpath"),
            QStringLiteral("platformtheme"), QStringLiteral("plugin"),
            QStringLiteral("qwindowgeometry"), QStringLiteral("geometry"),
            QStringLiteral("qwindowtitle"), QStringLiteral("title"), QStringLiteral("qwindowicon"),
            QStringLiteral("icon"), QStringLiteral("display"), QStringLiteral("name"),
            QStringLiteral("session"), QStringLiteral("style"), QStringLiteral("stylesheet")};
        for (const CommandOption &option : options()) {
            if (!option.valueName.isEmpty())
                names << option.names;
        }
        return names;
    }();
    Dispatch result;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments.at(i);
        if (arg == QLatin1String("--"))
            return result; // a file name follows, whatever it looks like
        if (arg.startsWith(u'-')) {
            const QString name =
                arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1).section(u'=', 0, 0);
            if (withValue.contains(name) && !arg.contains(u'='))
                ++i;
            continue;
        }
        if (isCommand(arg)) {
            result.kind = Dispatch::Kind::Command;
            result.at = int(i);
            return result;
        }
        // A configuration file, even one not there yet: the window says what became of it.
        if (arg.isEmpty() || QFileInfo::exists(arg) ||
            arg.endsWith(QLatin1String(".msw"), Qt::CaseInsensitive) || arg.contains(u'/'))
            return result;
        result.kind = Dispatch::Kind::Unknown;
        result.reason = CommandText::tr("Ismeretlen parancs: %1").arg(arg);
        const Command *nearest = nullptr;
        qsizetype distance = 3; // at most two edits away
        for (const Command &command : commands()) {
            if (const qsizetype d = editDistance(arg, command.name); d < distance)
                nearest = &command, distance = d;
        }
        if (nearest)
            result.reason += u' ' + CommandText::tr("(erre gondolt: %1?)").arg(nearest->name);
        result.reason += u'\n' + CommandText::tr("A parancsok listája: qvconfig --help");
        return result;
    }
    return result;
}

bool laysOutText(const QString &command)
{
    const Command *found = findCommand(command);
    return found && found->laysOutText;
}

int run(const QStringList &arguments, const QString &version, QTextStream &out, QTextStream &err,
        bool progress, SheetWriter writeSheet)
{
    Context c;
    c.out = &out;
    c.err = &err;
    c.progress = progress;
    c.version = version;
    c.command = arguments.value(1);
    c.writeSheet = writeSheet;
    // A name that is no command is checked as one that talks to the module and takes nothing,
    // then answered with the usage.
    const Command unknown{.name = c.command};
    const Command &command = findCommand(c.command) ? *findCommand(c.command) : unknown;

    QCommandLineParser parser;
    for (const CommandOption &option : options()) {
        if (!option.shared)
            parser.addOption(QCommandLineOption(option.names, QString(), option.valueName));
    }
    addSharedOptions(parser);
    c.options = &parser;
    QStringList rest = arguments;
    rest.removeAt(1);
    if (!parser.parse(rest))
        return fail(c, Usage, parseFailure(parser) + u'\n' + usage());
    if (parser.isSet(QStringLiteral("help"))) {
        out << usage(findCommand(c.command));
        return Done;
    }
    // "qvconfig help [COMMAND]"
    if (c.command == kHelp) {
        const QString about = parser.positionalArguments().value(0);
        if (!about.isEmpty() && !findCommand(about))
            return fail(c, Usage,
                        CommandText::tr("Ismeretlen parancs: %1").arg(about) + u'\n' + usage());
        out << usage(findCommand(about));
        return Done;
    }
    // A port without a name, a team register with a password: refused before anything.
    SharedOptions shared;
    if (const QString problem = readSharedOptions(parser, &shared); !problem.isEmpty())
        return fail(c, Usage, problem);
    c.json = parser.isSet(QStringLiteral("json"));
    c.verify = parser.isSet(QStringLiteral("verify"));
    c.output = parser.value(QStringLiteral("output"));
    c.files = parser.positionalArguments();
    c.teamRegister = shared.teamRegister;
    if (!shared.port.isEmpty())
        c.settings.Port = shared.port;
    const QString baud = QStringLiteral("baud");
    if (parser.isSet(baud)) {
        bool ok = false;
        const int value = parser.value(baud).toInt(&ok);
        if (!ok || !serial::offeredSpeeds().contains(value)) {
            QStringList speeds;
            for (const qint32 speed : serial::offeredSpeeds())
                speeds << QString::number(speed);
            return fail(c, Usage,
                        CommandText::tr("Hibás sebesség: %1 (választható: %2 bit/s).")
                            .arg(parser.value(baud), speeds.join(QStringLiteral(", "))));
        }
        c.settings.Baudrate = value;
    }

    if (!command.usesPort && (!shared.port.isEmpty() || parser.isSet(baud)))
        return fail(c, Usage,
                    CommandText::tr("A(z) %1 parancs nem használ portot.").arg(c.command));
    if (c.files.size() != command.files)
        return fail(c, Usage,
                    CommandText::tr("A(z) %1 parancs %n fájlnevet vár (kapott: %2).\n\n%3", nullptr,
                                    command.files)
                        .arg(c.command)
                        .arg(c.files.size())
                        .arg(usage()));
    if (command.withoutOutput && c.output.isEmpty())
        return fail(c, Usage, text(command.withoutOutput));
    for (const OptionGroup &group : optionGroups()) {
        for (const QString &option : group.options) {
            if (parser.isSet(option) && (!command.options.contains(option) ||
                                         (!group.needs.isEmpty() && !parser.isSet(group.needs))))
                return fail(c, Usage, QCoreApplication::translate(group.context, group.refusal));
        }
        if (group.read && command.options.contains(group.options.constFirst())) {
            if (const QString problem = group.read(c); !problem.isEmpty())
                return fail(c, Usage, problem);
        }
    }

    const int status = command.handler ? command.handler(c) : fail(c, Usage, usage());
    shareRecorded(c);
    return status;
}

int runInApplication(const QString &version, SheetWriter writeSheet)
{
    QCoreApplication::setApplicationName(QStringLiteral("qvconfig"));
    QCoreApplication::setApplicationVersion(version);
    // The exchanges' diagnostics would mix with a script's output; QT_LOGGING_RULES still
    // turns them on.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("qv.*.debug=false"));
    settings::language::use(
        settings::language::chooseForThisProcess(QCoreApplication::arguments()));
    QTextStream out(stdout);
    QTextStream err(stderr);
#ifdef Q_OS_UNIX
    const bool terminal = isatty(STDERR_FILENO);
#else
    const bool terminal = false;
#endif
    return run(QCoreApplication::arguments(), version, out, err, terminal, writeSheet);
}

} // namespace qv::cli
