// qvsim: runs an emulated module on a pseudo-terminal until interrupted.
#include "emulator.h"
#include "faults.h"
#include "setup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <cstdio>
#include <pthread.h>

namespace {

const char *const Description = R"(Emulates a Q_QV5, Q_QV3 or Q_BRK2 module on a pseudo-terminal.

qvsim opens a pseudo-terminal, prints the path of its slave side and answers the
program's requests on it until interrupted (Ctrl+C). Start qvconfig, choose that path
(or the --link path) as the port, and identify, read out, download or query the status
as with a real module. A download is stored: a later read-out returns it.

Exchanges (the names used by --fault):
  ident     "~|"  the identification text, then the terminator (CR)
  readout   "~{"  the 56 stored fields, "|" after each, CR LF after every fourth,
                  message texts and reserved fields padded with 0xFF
  download  "~}"  "R" and CR, then 56 lines and an empty line (each ended by CR),
                  then "O" and CR; the lines are stored
  status    "~["  one line of eight blank-separated fields ended by CR

Speeds: the module answers the identification and the read-out at its own speed
(--baud) and the download and the status query at 1200 bit/s. It reads the program's
speed from the pseudo-terminal at each request; a request at another speed reaches it
garbled and gets no answer, and bytes it sends while the speeds differ arrive garbled.
Answers are paced like a real line: 10 bits per byte at the program's speed (8.3 ms a
byte at 1200 bit/s); the program's bytes count as arriving at that pace too.

Faults (--fault EXCHANGE=FAULT, repeatable; one per exchange):
  none             normal answer
  silent           no answer
  garbage          48 bytes of noise instead of the answer
  wrong-ready      download: "N" instead of "R"
  ack-wrong        download: "E" and CR instead of "O" (nothing is stored)
  ack-late         download: "O" only --ack-delay ms after the data (default 4000)
  ack-second-only  download: "E" then "O"
  ack-missing      download: no acknowledgement (the data is stored)
  truncated        the first half of the answer only (download: "R" alone)
  overlong         the answer padded with "#" to --overlong-bytes (default 8192)
  never-silent     the answer without its final CR, then noise until the port closes
  unplug           the pseudo-terminal closes half-way through the answer (download:
                   after half of the lines), after --unplug-pause ms of silence
                   (default 0); the emulator then ends
  slow-under       the first --slow-bytes bytes (default 2) of each answer part come
                   just inside the program's per-byte time-out (ident %1, readout
                   %2, download %3, status %4 ms apart)
  slow-over        ... just outside it (%5, %6, %7, %8 ms apart)
  stores-other     download: acknowledged like a good module, but the module keeps
                   another module name ("MAS MODUL")

Stored configuration (--config): a text file of 56 lines, one field each, in the
module's record order; or one download record (56 items, each followed by "|").
Without it the module holds the values of the shipped defaults file.

Status (--status): comma-separated items over the model's defaults, e.g.
  outputs=1010,inputs=0100,analog=12.5,counter=00042,supply=1,signal=4,version=FW2.1

A status that changes (for a status watch): --status-at N:ITEMS (repeatable) applies
ITEMS from the Nth answer to the status request on (counted from 1); --status-cycle N
repeats that script every N answers; --wander SEED lets the signal level drift between 1
and 5, the analogue value drift about its value and the counter climb, the same for the
same seed. For example, input 2 goes active at the 5th answer and back at the 9th, and
the supply fails for the 12th to the 14th, every 20 answers:
  qvsim --status-at 5:inputs=0110 --status-at 9:inputs=0100 --status-at 12:supply=0 \
        --status-at 15:supply=1 --status-cycle 20 --wander 7

A sequence of modules (--unit ITEMS, repeated): one module after another on the same
port, as a workshop writes a series. The first unit is connected at the start; once
the program has been done with it for --hold ms (no exchange other than an
identification; after its first identification when it had no other; an
identification or a read-out is over once the silence that ends it, 500 or 1200 ms,
has passed) it is taken off, nothing is connected for --gap ms, then the next unit comes. With one adapter
(the default) the pseudo-terminal stays and nothing answers during the gap; with
--port-per-unit it goes away and a new one comes for the next unit (a new path; the
--link follows it). ITEMS is key=value items separated by ";", every key optional:
  model=qv3             the unit's model, with its own identification and status
  ident=Q_QV3_FW2.1     the identification text
  config=FILE           the stored configuration (as --config)
  status=ITEMS          the live status (as --status)
  fault=download=ack-wrong  a fault (as --fault; repeatable)
  loose=MS              a loose contact: when its hold is over the unit drops off for
                        MS ms (silent, or its port gone with --port-per-unit) and comes
                        back as it was, to be held and taken off as any unit
A unit starts as the module the other options describe. For example:
  qvsim --link /tmp/qvmodule --sequence-log seq.log --unit model=qv5 \
        --unit "ident=Q_QV5_FW2.2;fault=download=ack-wrong" --unit model=qv3
The sequence log gets one line per event, units counted from 1:
  unit N connected PATH, unit N stored m_id=XXXX m_nev=NAME, unit N lost contact,
  unit N back PATH, unit N removed, sequence ended
After the last unit the port stays silent (or gone) until qvsim is interrupted.
Without --unit qvsim is the one module of the other options.)";

// The description with the slow faults' gaps, which follow the program's time-outs.
QString description()
{
    QString text = QString::fromUtf8(Description);
    for (const qvsim::Fault fault : {qvsim::Fault::SlowUnder, qvsim::Fault::SlowOver}) {
        for (int e = 0; e < qvsim::ExchangeCount; ++e)
            text = text.arg(qvsim::defaultSlowGapMs(qvsim::Exchange(e), fault));
    }
    return text;
}

void fail(const QString &message)
{
    std::fprintf(stderr, "qvsim: %s\n", qPrintable(message));
    std::exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    // Ctrl+C and termination are taken by sigwait below, on this thread only.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qvsim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    const QCommandLineOption model({QStringLiteral("m"), QStringLiteral("model")},
                                   QStringLiteral("Module model: qv5 (default), qv3, brk2."),
                                   QStringLiteral("model"), QStringLiteral("qv5"));
    const QCommandLineOption ident({QStringLiteral("i"), QStringLiteral("ident")},
                                   QStringLiteral("Identification text (default: the model's, "
                                                  "e.g. Q_QV5_FW2.1)."),
                                   QStringLiteral("text"));
    const QCommandLineOption terminator(
        QStringLiteral("ident-end"),
        QStringLiteral("What follows the identification text: cr (default), crlf, lf, none."),
        QStringLiteral("end"), QStringLiteral("cr"));
    const QCommandLineOption link({QStringLiteral("l"), QStringLiteral("link")},
                                  QStringLiteral("Make a symbolic link to the slave at this path."),
                                  QStringLiteral("path"));
    const QCommandLineOption baud({QStringLiteral("b"), QStringLiteral("baud")},
                                  QStringLiteral("The module's speed for the identification and "
                                                 "the read-out (default 1200)."),
                                  QStringLiteral("bit/s"), QStringLiteral("1200"));
    const QCommandLineOption config({QStringLiteral("c"), QStringLiteral("config")},
                                    QStringLiteral("Stored configuration file (56 lines)."),
                                    QStringLiteral("file"));
    const QCommandLineOption status({QStringLiteral("s"), QStringLiteral("status")},
                                    QStringLiteral("Live status, see above."),
                                    QStringLiteral("items"));
    const QCommandLineOption statusAt(
        QStringLiteral("status-at"),
        QStringLiteral("From the Nth status answer on, these status items (repeatable)."),
        QStringLiteral("n:items"));
    const QCommandLineOption statusCycle(
        QStringLiteral("status-cycle"),
        QStringLiteral("Repeat the --status-at script every N status answers."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption wander(
        QStringLiteral("wander"),
        QStringLiteral("Let the signal, the analogue value and the counter move (a seed)."),
        QStringLiteral("seed"));
    const QCommandLineOption faults({QStringLiteral("f"), QStringLiteral("fault")},
                                    QStringLiteral("A fault for one exchange, e.g. ident=silent."),
                                    QStringLiteral("exchange=fault"));
    const QCommandLineOption unpaced(
        QStringLiteral("no-pacing"),
        QStringLiteral("Send answers at once instead of at line pace."));
    const QCommandLineOption slowBytes(QStringLiteral("slow-bytes"),
                                       QStringLiteral("Bytes delayed by the slow faults (2)."),
                                       QStringLiteral("n"), QStringLiteral("2"));
    const QCommandLineOption overlong(QStringLiteral("overlong-bytes"),
                                      QStringLiteral("Size of an over-long answer (8192)."),
                                      QStringLiteral("n"), QStringLiteral("8192"));
    const QCommandLineOption ackDelay(QStringLiteral("ack-delay"),
                                      QStringLiteral("Delay of the ack-late fault in ms (4000)."),
                                      QStringLiteral("ms"), QStringLiteral("4000"));
    const QCommandLineOption unplugPause(
        QStringLiteral("unplug-pause"),
        QStringLiteral("Silence before the unplug fault pulls the line, in ms (0)."),
        QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption receivedLog(
        {QStringLiteral("r"), QStringLiteral("received-log")},
        QStringLiteral("Append every byte received from the program to this file."),
        QStringLiteral("file"));
    const QCommandLineOption verbose({QStringLiteral("v"), QStringLiteral("verbose")},
                                     QStringLiteral("Report every request and answer on stderr."));
    const QCommandLineOption units(
        QStringLiteral("unit"), QStringLiteral("A module of a sequence, see above (repeatable)."),
        QStringLiteral("items"));
    const QCommandLineOption hold(
        QStringLiteral("hold"),
        QStringLiteral("How long a unit stays after the program is done with it, in ms (500)."),
        QStringLiteral("ms"), QStringLiteral("500"));
    const QCommandLineOption gap(
        QStringLiteral("gap"), QStringLiteral("Nothing connected between two units, in ms (2000)."),
        QStringLiteral("ms"), QStringLiteral("2000"));
    const QCommandLineOption portPerUnit(
        QStringLiteral("port-per-unit"),
        QStringLiteral("An adapter per unit: the port goes away between units."));
    const QCommandLineOption sequenceLog(
        QStringLiteral("sequence-log"),
        QStringLiteral("Write a line per step of the sequence to this file."),
        QStringLiteral("file"));
    parser.addOptions({model,       ident,       terminator, link,        baud,     config,
                       status,      faults,      unpaced,    slowBytes,   overlong, ackDelay,
                       unplugPause, receivedLog, verbose,    units,       hold,     gap,
                       portPerUnit, sequenceLog, statusAt,   statusCycle, wander});
    parser.process(app);

    const auto chosenModel = qvsim::modelFromName(parser.value(model));
    if (!chosenModel)
        fail(QStringLiteral("unknown model %1").arg(parser.value(model)));
    qvsim::Setup setup{qvsim::ModuleSetup::of(*chosenModel)};
    if (parser.isSet(ident))
        setup.module.identText = parser.value(ident);
    const QString end = parser.value(terminator);
    if (end == u"cr")
        setup.module.identTerminator = "\r";
    else if (end == u"crlf")
        setup.module.identTerminator = "\r\n";
    else if (end == u"lf")
        setup.module.identTerminator = "\n";
    else if (end == u"none")
        setup.module.identTerminator.clear();
    else
        fail(QStringLiteral("unknown identification end %1").arg(end));

    auto number = [&](const QCommandLineOption &option, int minimum) {
        bool ok = false;
        const int n = parser.value(option).toInt(&ok, 10);
        if (!ok || n < minimum)
            fail(QStringLiteral("bad value for --%1").arg(option.names().constLast()));
        return n;
    };
    setup.line.moduleBaud = number(baud, 1);
    setup.line.paced = !parser.isSet(unpaced);
    setup.faults.slowBytes = number(slowBytes, 0);
    setup.faults.overlongBytes = number(overlong, 0);
    setup.faults.ackDelayMs = number(ackDelay, 0);
    setup.faults.unplugPauseMs = number(unplugPause, 0);

    QString error;
    if (parser.isSet(config)) {
        const auto fields = qvsim::loadFieldsFile(parser.value(config), &error);
        if (!fields)
            fail(error);
        setup.module.fields = *fields;
    }
    if (parser.isSet(status) &&
        !qvsim::applyStatusItems(setup.module.status, parser.value(status), &error))
        fail(error);
    for (const QString &item : parser.values(statusAt)) {
        const auto step = qvsim::parseStatusStep(item, &error);
        if (!step)
            fail(error);
        setup.module.statusCourse.steps.append(*step);
    }
    setup.module.statusCourse.cycle = number(statusCycle, 0);
    if (parser.isSet(wander)) {
        setup.module.statusCourse.wander = true;
        setup.module.statusCourse.seed = quint32(number(wander, 0));
    }
    for (const QString &item : parser.values(faults)) {
        const auto exchange = qvsim::exchangeFromName(item.section(u'=', 0, 0));
        const auto fault = qvsim::faultFromName(item.section(u'=', 1));
        if (!exchange || !fault)
            fail(QStringLiteral("bad fault \"%1\" (see --help)").arg(item));
        setup.faults[*exchange].fault = *fault;
    }
    qvsim::SequenceSetup sequence;
    for (const QString &items : parser.values(units)) {
        const auto unit = qvsim::parseUnitItems(items, {setup.module, setup.faults}, &error);
        if (!unit)
            fail(error);
        sequence.units.append(*unit);
    }
    const bool inSequence = !sequence.units.isEmpty();
    if (!inSequence) {
        for (const QCommandLineOption *option : {&hold, &gap, &portPerUnit, &sequenceLog}) {
            if (parser.isSet(*option))
                fail(QStringLiteral("--%1 needs --unit").arg(option->names().constLast()));
        }
    }
    sequence.holdMs = number(hold, 0);
    sequence.gapMs = number(gap, 0);
    sequence.portPerUnit = parser.isSet(portPerUnit);

    qvsim::Emulator module(setup);
    if (parser.isSet(verbose)) {
        module.setEventSink(
            [](const QString &line) { std::fprintf(stderr, "qvsim: %s\n", qPrintable(line)); });
    }
    std::FILE *stepLog = nullptr;
    if (inSequence) {
        module.setSequence(sequence);
        if (parser.isSet(sequenceLog)) {
            stepLog = std::fopen(QFile::encodeName(parser.value(sequenceLog)).constData(), "w");
            if (!stepLog)
                fail(QStringLiteral("cannot write %1").arg(parser.value(sequenceLog)));
            module.setSequenceSink([stepLog](const QString &line) {
                std::fprintf(stepLog, "%s\n", qPrintable(line));
                std::fflush(stepLog);
            });
        }
    }

    if (!module.start(&error))
        fail(error);
    if (parser.isSet(link) && !module.setLinkPath(parser.value(link), &error))
        fail(error);
    std::printf("%s\n", qPrintable(module.slavePath()));
    std::fflush(stdout);
    const QString linkNote =
        parser.isSet(link) ? QStringLiteral(" (link %1)").arg(parser.value(link)) : QString();
    if (inSequence) {
        std::fprintf(stderr, "qvsim: a sequence of %d units on %s%s\n", int(sequence.units.size()),
                     qPrintable(module.slavePath()), qPrintable(linkNote));
    } else {
        std::fprintf(stderr, "qvsim: %s on %s%s\n", qPrintable(setup.module.identText),
                     qPrintable(module.slavePath()), qPrintable(linkNote));
    }

    int received = 0;
    // A sequence goes on after a unit is pulled out: the next one comes.
    while (inSequence || !module.isUnplugged()) {
        timespec poll{0, 200'000'000};
        if (sigtimedwait(&stopSignals, nullptr, &poll) > 0)
            break;
        if (parser.isSet(receivedLog)) {
            const QByteArray bytes = module.received();
            if (bytes.size() > received) {
                QFile log(parser.value(receivedLog));
                if (log.open(QIODevice::Append))
                    log.write(bytes.mid(received));
                received = int(bytes.size());
            }
        }
    }
    module.stop();
    if (stepLog)
        std::fclose(stepLog);
    return 0;
}
