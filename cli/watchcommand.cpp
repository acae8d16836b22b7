#include "cli/watchcommand.h"

#include "cli/command.h"
#include "form/deviceprofile.h"
#include "register/journal.h"
#include "watch/csvlog.h"
#include "watch/events.h"
#include "watch/summary.h"
#include "watch/watcher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <atomic>
#include <csignal>

namespace qv::cli {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::cli)
};

using namespace qv::watch;

// The loop a stop signal (Ctrl+C, SIGTERM) reaches: it only sets the loop's flag.
std::atomic<WatchLoop *> g_loop{nullptr};

extern "C" void stopWatch(int)
{
    if (WatchLoop *loop = g_loop.load())
        loop->stop();
}

QString stateKey(SampleState state)
{
    switch (state) {
    case SampleState::Ok:
        return QStringLiteral("ok");
    case SampleState::Garbled:
        return QStringLiteral("garbled");
    case SampleState::Silent:
        return QStringLiteral("silent");
    case SampleState::PortGone:
        return QStringLiteral("gone");
    case SampleState::PortRefused:
        return QStringLiteral("refused");
    }
    return {};
}

QString eventKey(EventKind kind)
{
    switch (kind) {
    case EventKind::Input:
        return QStringLiteral("input");
    case EventKind::Output:
        return QStringLiteral("output");
    case EventKind::Supply:
        return QStringLiteral("supply");
    case EventKind::SignalWeak:
        return QStringLiteral("signalWeak");
    case EventKind::SignalGood:
        return QStringLiteral("signalGood");
    case EventKind::NoAnswer:
        return QStringLiteral("noAnswer");
    case EventKind::Answers:
        return QStringLiteral("answers");
    case EventKind::PortGone:
        return QStringLiteral("portGone");
    case EventKind::PortBack:
        return QStringLiteral("portBack");
    case EventKind::PortRefused:
        return QStringLiteral("portRefused");
    }
    return {};
}

QString isoTime(qint64 ms)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms).toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QString clock(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms).toLocalTime().toString(QStringLiteral("HH:mm:ss"));
}

QJsonValue orNull(bool has, const QJsonValue &value)
{
    return has ? value : QJsonValue(QJsonValue::Null);
}

class Printer : public WatchLoop::Observer
{
public:
    Printer(const WatchRequest &request, QTextStream &out, QTextStream &err, QFile *csv)
        : m_request(request), m_out(out), m_err(err), m_csv(csv), m_tracker(request.model)
    {
        const form::device::Profile has =
            form::device::profileFor(request.model).value_or(form::device::smallestProfile());
        m_outputs = has.outputs;
        m_inputs = has.inputs;
        m_analogue = has.analogue;
    }

    void sampled(const Sample &s) override
    {
        m_summary.add(s);
        const QList<Event> events = m_tracker.add(s);
        m_summary.addEvents(int(events.size()));
        if (m_csv && !m_csvFailed) {
            const QByteArray row = logRow(s, m_request.model);
            if (m_csv->write(row) != row.size() || !m_csv->flush()) {
                m_csvFailed = true;
                m_err << Text::tr("A napló (%1) nem írható tovább: %2")
                             .arg(QDir::toNativeSeparators(m_csv->fileName()), m_csv->errorString())
                      << '\n';
                m_err.flush();
            }
        }
        if (m_request.json)
            printJson(s, events);
        else
            printText(s, events);
        m_out.flush();
    }

    Summary summary() const { return m_summary.summary(); }
    bool csvFailed() const { return m_csvFailed; }

private:
    void printJson(const Sample &s, const QList<Event> &events)
    {
        QJsonObject o{{QStringLiteral("type"), QStringLiteral("sample")},
                      {QStringLiteral("time"), isoTime(s.timeMs)},
                      {QStringLiteral("elapsedMs"), s.elapsedMs},
                      {QStringLiteral("state"), stateKey(s.state)},
                      {QStringLiteral("reply"), QString::fromLatin1(s.reply)}};
        if (s.isOk()) {
            const transfer::status::ModuleStatus st = statusOf(s);
            QJsonArray outputs, inputs;
            for (int i = 0; i < 4; ++i) {
                outputs.append(s.output(i));
                inputs.append(s.input(i));
            }
            o.insert(QStringLiteral("outputs"), outputs);
            o.insert(QStringLiteral("inputs"), inputs);
            o.insert(QStringLiteral("analog"), st.analog);
            o.insert(QStringLiteral("counter"), st.counter);
            o.insert(QStringLiteral("supply"), s.supply);
            o.insert(QStringLiteral("signalLevel"), orNull(s.hasSignal(), s.signal));
            o.insert(QStringLiteral("version"), st.version);
        }
        if (s.state == SampleState::PortRefused)
            o.insert(QStringLiteral("reason"), s.why);
        line(o);
        for (const Event &e : events) {
            QJsonObject j{{QStringLiteral("type"), QStringLiteral("event")},
                          {QStringLiteral("time"), isoTime(e.timeMs)},
                          {QStringLiteral("elapsedMs"), e.elapsedMs},
                          {QStringLiteral("kind"), eventKey(e.kind)},
                          {QStringLiteral("text"), eventText(e)}};
            if (e.isSwitch())
                j.insert(QStringLiteral("index"), e.index);
            if (e.isSwitch() || e.kind == EventKind::Supply)
                j.insert(QStringLiteral("on"), e.on);
            if (e.kind == EventKind::SignalWeak || e.kind == EventKind::SignalGood)
                j.insert(QStringLiteral("signalLevel"), e.level);
            line(j);
        }
    }

    void line(const QJsonObject &o)
    {
        m_out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
    }

    void printText(const Sample &s, const QList<Event> &events)
    {
        QString text = clock(s.timeMs) + QStringLiteral("  ");
        switch (s.state) {
        case SampleState::Ok: {
            const transfer::status::ModuleStatus st = statusOf(s);
            QString outputs, inputs;
            for (int i = 0; i < m_outputs; ++i)
                outputs += s.output(i) ? u'1' : u'0';
            for (int i = 0; i < m_inputs; ++i)
                inputs += s.input(i) ? u'1' : u'0';
            text += Text::tr("kimenetek %1  bemenetek %2  táp %3")
                        .arg(outputs, inputs,
                             s.supply ? Text::tr("van", "supply voltage")
                                      : Text::tr("nincs", "supply voltage"));
            if (m_analogue)
                text += Text::tr("  analóg %1 V  számláló %2").arg(st.analog, st.counter);
            text += Text::tr("  térerő %1 (%2)")
                        .arg(s.hasSignal() ? QString::number(s.signal) : QStringLiteral("?"),
                             signalWords(s.signal));
            break;
        }
        case SampleState::Garbled:
            text += Text::tr("hibás válasz: „%1”").arg(QString::fromLatin1(s.reply));
            break;
        case SampleState::Silent:
            text += Text::tr("nincs válasz");
            break;
        case SampleState::PortGone:
            text += Text::tr("a port nem érhető el");
            break;
        case SampleState::PortRefused:
            text += Text::tr("a port nem nyitható meg: %1").arg(s.why);
            break;
        }
        m_out << text << '\n';
        for (const Event &e : events)
            m_out << clock(e.timeMs) << QStringLiteral("  * ") << eventText(e) << '\n';
    }

    const WatchRequest &m_request;
    QTextStream &m_out;
    QTextStream &m_err;
    QFile *m_csv;
    EventTracker m_tracker;
    SummaryBuilder m_summary;
    int m_outputs = 0, m_inputs = 0;
    bool m_analogue = false;
    bool m_csvFailed = false;
};

void record(const WatchRequest &request, const Summary &summary, QTextStream &err)
{
    reg::Journal journal;
    QObject::connect(&journal, &reg::Journal::problem, &journal,
                     [&err](const QString &message) { err << message << '\n'; });
    journal.openDefault(request.teamRegister);
    const WatchContext context{
        reg::exchangeContext(request.version, request.identification, request.model), request.port};
    journal.record(watchEntry(summary, context));
    journal.share(3000, request.teamRegister);
}

} // namespace

std::optional<int> parseInterval(const QString &text)
{
    QString number = text.trimmed();
    number.replace(u',', u'.');
    bool ok = false;
    const double seconds = number.toDouble(&ok);
    if (!ok || !std::isfinite(seconds) || seconds * 1000 < MinimumIntervalMs ||
        seconds * 1000 > MaximumIntervalMs)
        return std::nullopt;
    return int(seconds * 1000 + 0.5);
}

int watchCommand(const WatchRequest &request, QTextStream &out, QTextStream &err)
{
    std::optional<QFile> csv;
    if (!request.csv.isEmpty()) {
        csv.emplace(request.csv);
        if (!csv->open(QIODevice::WriteOnly | QIODevice::Truncate) || csv->write(logHeader()) < 0 ||
            !csv->flush()) {
            err << Text::tr("A napló (%1) nem írható: %2")
                       .arg(QDir::toNativeSeparators(request.csv), csv->errorString())
                << '\n';
            return Usage;
        }
    }
    Printer printer(request, out, err, csv ? &*csv : nullptr);
    WatchLoop loop({request.port, request.intervalMs, request.count});
    g_loop = &loop;
    const auto oldInt = std::signal(SIGINT, stopWatch);
    const auto oldTerm = std::signal(SIGTERM, stopWatch);
    loop.run(printer);
    std::signal(SIGINT, oldInt);
    std::signal(SIGTERM, oldTerm);
    g_loop = nullptr;

    const Summary summary = printer.summary();
    const int status = summary.missing > 0 || printer.csvFailed() ? Failed : Done;
    if (summary.samples > 0)
        record(request, summary, err);
    if (request.json) {
        QJsonObject o{{QStringLiteral("type"), QStringLiteral("summary")},
                      {QStringLiteral("durationMs"), summary.durationMs},
                      {QStringLiteral("samples"), summary.samples},
                      {QStringLiteral("missing"), summary.missing},
                      {QStringLiteral("signalMin"),
                       orNull(bool(summary.signalMin), summary.signalMin.value_or(0))},
                      {QStringLiteral("signalMedian"),
                       orNull(bool(summary.signalMedian), summary.signalMedian.value_or(0))},
                      {QStringLiteral("signalMax"),
                       orNull(bool(summary.signalMax), summary.signalMax.value_or(0))},
                      {QStringLiteral("events"), summary.events},
                      {QStringLiteral("csv"), request.csv},
                      {QStringLiteral("exit"), status}};
        out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
    } else {
        out << Text::tr("Összesítés: %1").arg(summaryText(summary)) << '\n';
    }
    out.flush();
    return status;
}

int watchStatusCommand(Context &c)
{
    const QCommandLineParser &options = *c.options;
    const QString watch = QStringLiteral("watch");
    const QString count = QStringLiteral("count");
    const QString csv = QStringLiteral("csv");
    WatchRequest request;
    const std::optional<int> interval = parseInterval(options.value(watch));
    if (!interval)
        return fail(c, Usage,
                    CommandText::tr("A --watch után a lekérdezések közti idő adható meg "
                                    "másodpercben, 0,5 és 3600 között (kapott: %1).")
                        .arg(options.value(watch)));
    bool ok = true;
    if (options.isSet(count))
        request.count = options.value(count).toInt(&ok);
    if (!ok || request.count < 0 || (options.isSet(count) && request.count == 0))
        return fail(c, Usage,
                    CommandText::tr("A --count után a minták száma adható meg (kapott: %1).")
                        .arg(options.value(count)));
    if (options.isSet(csv) && options.value(csv).isEmpty())
        return fail(c, Usage, CommandText::tr("A --csv után meg kell adni a fájl nevét."));
    if (const int status = identify(c); status != Done)
        return status;
    request.port = c.settings.Port;
    request.intervalMs = *interval;
    request.csv = options.value(csv);
    request.json = c.json;
    request.model = c.settings.DeviceModel;
    request.identification = c.settings.DeviceId;
    request.version = c.settings.Version;
    request.teamRegister = c.teamRegister;
    return watchCommand(request, *c.out, *c.err);
}

} // namespace qv::cli
