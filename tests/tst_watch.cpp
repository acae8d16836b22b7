// The status watch without a window: samples decoded from replies and outcomes, the events
// and the summary a session shows, the pace of the queries, the CSV log read back, the
// plot's history against a plain scan, and the emulator's changing status.
#include "setup.h"
#include "transfer/statusquery.h"
#include "watch/csvlog.h"
#include "watch/events.h"
#include "watch/history.h"
#include "watch/summary.h"
#include "watch/watcher.h"

#include <QRandomGenerator>
#include <QTest>

using namespace qv::watch;

namespace {

const QString Line =
    QStringLiteral("OUTP:1000 IN:0100 AN:12.5 CNT:00042 POWER:1 GSMQ:4 ALRM:0 FW2.1");

// A status line with the given lamps and signal field.
QString line(const char *outputs, const char *inputs, const char *supply, const char *signal)
{
    return QStringLiteral("OUTP:%1 IN:%2 AN:3.25 CNT:7 POWER:%3 GSMQ:%4 ALRM:0 V1")
        .arg(QLatin1String(outputs), QLatin1String(inputs), QLatin1String(supply),
             QLatin1String(signal));
}

Sample at(Sample s, qint64 elapsed)
{
    s.elapsedMs = elapsed;
    s.timeMs = 1'700'000'000'000 + elapsed;
    return s;
}

Sample of(SampleState state)
{
    Sample s;
    s.state = state;
    return s;
}

// A sample written compactly: "o1000 i0100 s1 g4" for a decoded one, or a state word.
Sample parse(const QString &text)
{
    if (text == u"silent")
        return of(SampleState::Silent);
    if (text == u"gone")
        return of(SampleState::PortGone);
    if (text == u"garbled")
        return of(SampleState::Garbled);
    const QStringList parts = text.split(u' ');
    return decodeReply(line(qPrintable(parts.at(0).mid(1)), qPrintable(parts.at(1).mid(1)),
                            qPrintable(parts.at(2).mid(1)), qPrintable(parts.at(3).mid(1))),
                       true);
}

} // namespace

class TestWatch : public QObject
{
    Q_OBJECT

private slots:
    void decoding_data();
    void decoding();
    void outcomes_data();
    void outcomes();
    void events_data();
    void events();
    void summary_data();
    void summary();
    void pace_data();
    void pace();
    void logRoundTrip();
    void logRefusesAndSkips_data();
    void logRefusesAndSkips();
    void historySpans();
    void emulatedCourse();
};

void TestWatch::decoding_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("complete");
    QTest::addColumn<QString>("expected"); // state|outputs|inputs|supply|signal|analog|counter

    QTest::newRow("a whole line") << Line << true << "ok|1|2|1|4|12.5|42";
    QTest::newRow("eight fields, some empty") << "a b c d e f g h" << true << "ok|0|0|0|-1|nan|-1";
    QTest::newRow("seven fields") << "OUTP:1000 IN:0100 AN:12.5 CNT:1 POWER:1 GSMQ:4 FW" << true
                                  << "garbled|0|0|0|-1|nan|-1";
    QTest::newRow("broken off") << Line << false << "garbled|0|0|0|-1|nan|-1";
    QTest::newRow("garbage") << QStringLiteral("\x01\u00ff#~") << true << "garbled|0|0|0|-1|nan|-1";
    QTest::newRow("signal not a number: missing, not 0")
        << line("1111", "1111", "1", "x3") << true << "ok|15|15|1|-1|3.25|7";
    QTest::newRow("signal empty") << line("0000", "0000", "0", "") << true << "ok|0|0|0|-1|3.25|7";
    QTest::newRow("negative signal")
        << line("0000", "0000", "0", "-1") << true << "ok|0|0|0|-1|3.25|7";
    QTest::newRow("huge signal kept as invalid")
        << line("0000", "0000", "0", "99999999999") << true << "ok|0|0|0|-1|3.25|7";
    QTest::newRow("large signal") << line("0000", "0000", "0", "7") << true << "ok|0|0|0|7|3.25|7";
    QTest::newRow("decimal comma, short lamp fields")
        << "OUTP:1 IN:1 AN:1,5 CNT:x POWER: GSMQ:2 g h" << true << "ok|1|1|0|2|1.5|-1";
}

void TestWatch::decoding()
{
    QFETCH(QString, reply);
    QFETCH(bool, complete);
    QFETCH(QString, expected);
    const Sample s = decodeReply(reply, complete);
    const QString state = s.isOk() ? QStringLiteral("ok") : QStringLiteral("garbled");
    const QString seen = QStringList{state,
                                     QString::number(s.outputs),
                                     QString::number(s.inputs),
                                     QString::number(s.supply),
                                     QString::number(s.signal),
                                     s.hasAnalog() ? QString::number(s.analog) : "nan",
                                     QString::number(s.counter)}
                             .join(u'|');
    QCOMPARE(seen, expected);
    QCOMPARE(QString::fromLatin1(s.reply), reply); // kept as it came
}

void TestWatch::outcomes_data()
{
    using qv::transfer::StatusQueryEnd;
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("replyEnd");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<int>("failure"); // OpenFailure::Kind, -1 none
    QTest::addColumn<int>("state");   // -1: no sample

    QTest::newRow("answered") << int(StatusQueryEnd::Ok) << int(qv::serial::ReplyEnd::Terminator)
                              << Line << -1 << int(SampleState::Ok);
    QTest::newRow("ended by silence")
        << int(StatusQueryEnd::Ok) << int(qv::serial::ReplyEnd::Silence) << Line << -1
        << int(SampleState::Ok);
    QTest::newRow("silent") << int(StatusQueryEnd::Failed) << int(qv::serial::ReplyEnd::Silence)
                            << "" << -1 << int(SampleState::Silent);
    QTest::newRow("too short") << int(StatusQueryEnd::Failed)
                               << int(qv::serial::ReplyEnd::Terminator) << "a b" << -1
                               << int(SampleState::Garbled);
    QTest::newRow("over-long") << int(StatusQueryEnd::Failed) << int(qv::serial::ReplyEnd::Overlong)
                               << Line << -1 << int(SampleState::Garbled);
    QTest::newRow("pulled out mid-line")
        << int(StatusQueryEnd::Failed) << int(qv::serial::ReplyEnd::Gone) << "OUTP:1" << -1
        << int(SampleState::PortGone);
    QTest::newRow("port missing") << int(StatusQueryEnd::NotOpen)
                                  << int(qv::serial::ReplyEnd::NotOpen) << ""
                                  << int(qv::serial::OpenFailure::Kind::Missing)
                                  << int(SampleState::PortGone);
    QTest::newRow("port busy") << int(StatusQueryEnd::NotOpen) << int(qv::serial::ReplyEnd::NotOpen)
                               << "" << int(qv::serial::OpenFailure::Kind::Busy)
                               << int(SampleState::PortRefused);
    QTest::newRow("cancelled") << int(StatusQueryEnd::Cancelled)
                               << int(qv::serial::ReplyEnd::Cancelled) << "OUT" << -1 << -1;
}

void TestWatch::outcomes()
{
    QFETCH(int, end);
    QFETCH(int, replyEnd);
    QFETCH(QString, reply);
    QFETCH(int, failure);
    QFETCH(int, state);
    qv::transfer::StatusQueryOutcome outcome;
    outcome.end = qv::transfer::StatusQueryEnd(end);
    outcome.replyEnd = qv::serial::ReplyEnd(replyEnd);
    outcome.reply = reply;
    if (failure >= 0)
        outcome.openFailure = qv::serial::OpenFailure{qv::serial::OpenFailure::Kind(failure)};
    const std::optional<Sample> s = sampleOf(outcome);
    QCOMPARE(s ? int(s->state) : -1, state);
    if (state == int(SampleState::PortRefused))
        QVERIFY(!s->why.isEmpty());
}

void TestWatch::events_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QStringList>("events"); // "sample index: text"

    QTest::newRow("steady: nothing")
        << 1 << QStringList{"o1000 i0100 s1 g4", "o1000 i0100 s1 g4"} << QStringList{};
    QTest::newRow("switches in their order")
        << 1 << QStringList{"o1000 i0100 s1 g4", "o0001 i0110 s0 g4"}
        << QStringList{"1: kimenet 1 ki", "1: kimenet 4 be", "1: bemenet 3 aktív",
                       "1: tápfeszültség megszűnt"};
    QTest::newRow("what a Q_QV3 lacks changes nothing")
        << 2 << QStringList{"o1000 i0100 s1 g4", "o1011 i0111 s1 g4"} << QStringList{};
    QTest::newRow("a gap does not hide a change")
        << 1 << QStringList{"o0000 i0000 s1 g3", "garbled", "o0000 i1000 s1 g3"}
        << QStringList{"2: bemenet 1 aktív"};
    QTest::newRow("weak at once, then good, unreadable says nothing")
        << 1
        << QStringList{"o0000 i0000 s1 g1", "o0000 i0000 s1 gx", "o0000 i0000 s1 g0",
                       "o0000 i0000 s1 g2", "o0000 i0000 s1 g9"}
        << QStringList{"0: gyenge térerő (1)", "3: térerő ismét megfelelő (2)"};
    QTest::newRow("silence, gone, back")
        << 1 << QStringList{"o0000 i0000 s1 g3", "silent", "silent",           "gone",
                            "o0000 i0000 s1 g3", "silent", "o0000 i0000 s1 g3"}
        << QStringList{"1: a modul nem válaszol",
                       "3: a port eltűnt (kihúzott adapter?), a figyelés várakozik",
                       "4: a port visszatért", "5: a modul nem válaszol",
                       "6: a modul ismét válaszol"};
}

void TestWatch::events()
{
    QFETCH(int, model);
    QFETCH(QStringList, samples);
    QFETCH(QStringList, events);
    EventTracker tracker(model);
    QStringList seen;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        for (const Event &e : tracker.add(at(parse(samples.at(i)), i * 1000)))
            seen << QStringLiteral("%1: %2").arg(i).arg(eventText(e));
    }
    QCOMPARE(seen, events);
}

void TestWatch::summary_data()
{
    QTest::addColumn<QStringList>("samples");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << QStringList{}
                          << "Időtartam: 0:00:00, minták: 0 (hiányzó: 0), térerő: nincs adat, "
                             "események: 0";
    QTest::newRow("odd count, missing and unreadable left out")
        << QStringList{"o0 i0 s1 g5", "silent", "o0 i0 s1 g2", "o0 i0 s1 gx", "o0 i0 s1 g3"}
        << "Időtartam: 0:00:04, minták: 5 (hiányzó: 1), térerő: min. 2, medián 3, max. 5, "
           "események: 0";
    QTest::newRow("even count: the lower middle")
        << QStringList{"o0 i0 s1 g1", "o0 i0 s1 g4", "o0 i0 s1 g4", "o0 i0 s1 g2"}
        << "Időtartam: 0:00:03, minták: 4 (hiányzó: 0), térerő: min. 1, medián 2, max. 4, "
           "események: 0";
}

void TestWatch::summary()
{
    QFETCH(QStringList, samples);
    QFETCH(QString, text);
    SummaryBuilder builder;
    for (qsizetype i = 0; i < samples.size(); ++i)
        builder.add(at(parse(samples.at(i)), i * 1000));
    QCOMPARE(summaryText(builder.summary()), text);
    QCOMPARE(durationText(3 * 3600'000 + 61'999), QStringLiteral("3:01:01"));

    const qv::reg::Entry entry = watchEntry(builder.summary(), {});
    QCOMPARE(entry.operation, qv::reg::Operation::Watch);
    QCOMPARE(entry.result, builder.summary().samples > builder.summary().missing
                               ? qv::reg::Result::Ok
                               : qv::reg::Result::Failed);
    QCOMPARE(entry.reason, text);
}

void TestWatch::pace_data()
{
    QTest::addColumn<QStringList>("queries"); // "state start end"
    QTest::addColumn<QStringList>("steps");   // "keep resumed next"

    QTest::newRow("on time, then a slow query starts the next at once")
        << QStringList{"ok 0 550", "ok 2000 2550", "silent 4000 9000", "ok 9000 9550"}
        << QStringList{"1 1 2000", "1 0 4000", "1 0 9000", "1 0 11000"};
    QTest::newRow("a gone port is one sample, its looks none, its return a new stretch")
        << QStringList{"ok 0 550", "gone 2000 2001", "gone 2251 2252", "ok 2502 3050"}
        << QStringList{"1 1 2000", "1 0 2251", "0 0 2502", "1 1 4502"};
}

void TestWatch::pace()
{
    QFETCH(QStringList, queries);
    QFETCH(QStringList, steps);
    const QHash<QString, SampleState> states{
        {"ok", SampleState::Ok}, {"silent", SampleState::Silent}, {"gone", SampleState::PortGone}};
    Pacer pacer(2000);
    QStringList seen;
    for (const QString &q : queries) {
        const QStringList p = q.split(u' ');
        const Pacer::Step s =
            pacer.after(states.value(p.at(0)), p.at(1).toLongLong(), p.at(2).toLongLong());
        seen << QStringLiteral("%1 %2 %3").arg(int(s.keep)).arg(int(s.resumed)).arg(s.nextAt);
    }
    QCOMPARE(seen, steps);
    pacer.setInterval(10); // never faster than a query allows
    QCOMPARE(pacer.interval(), MinimumIntervalMs);
}

void TestWatch::logRoundTrip()
{
    QList<Sample> samples;
    samples << at(decodeReply(Line, true), 0);
    // Every character a module may send survives: separators, quotes, line breaks, bytes
    // above 0x7F, and a text a spreadsheet would take for a formula.
    samples << at(decodeReply(QStringLiteral("OUTP:1111 IN:;\"x\" AN:=1+1 CNT:\n5 POWER:1 "
                                             "GSMQ:x g \u00e9\u00ff"),
                              true),
                  1000);
    samples << at(decodeReply(QStringLiteral("'quoted a b"), true), 2000);
    samples << at(of(SampleState::Silent), 7000);
    Sample refused = at(of(SampleState::PortRefused), 9000);
    refused.why = QStringLiteral("busy, held by minicom (pid 42)");
    samples << refused << at(of(SampleState::PortGone), 9500);
    // The computer's clock stepped back an hour: the order stays the samples'.
    Sample back = at(decodeReply(line("0000", "0000", "0", "2"), true), 12000);
    back.timeMs -= 3600'000;
    back.resumed = true;
    samples << back;

    QByteArray bytes = logHeader();
    for (const Sample &s : std::as_const(samples))
        bytes += logRow(s, 2);
    const LogRead read = readLog(bytes);
    QVERIFY2(read.error.isEmpty(), qPrintable(read.error));
    QCOMPARE(read.badRows, 0);
    QCOMPARE(read.model, 2);
    QCOMPARE(read.samples.size(), samples.size());
    for (qsizetype i = 0; i < samples.size(); ++i)
        QVERIFY2(read.samples.at(i) == samples.at(i), qPrintable(QString::number(i)));
    QVERIFY(bytes.contains(";'=1+1;")); // the formula as text

    const LogRead newest = readLog(bytes, 3);
    QVERIFY(newest.cut);
    QCOMPARE(newest.samples.size(), 3);
    QCOMPARE(newest.samples.constLast(), samples.constLast());
}

void TestWatch::logRefusesAndSkips_data()
{
    QTest::addColumn<QByteArray>("rows"); // after the header; "-" for no header at all
    QTest::addColumn<QString>("outcome"); // samples|bad rows|first bad line, or error

    const QByteArray good = logRow(at(decodeReply(Line, true), 5), 1);
    QTest::newRow("not a log") << QByteArray("-") << "error";
    QTest::newRow("only the header") << QByteArray() << "0|0|0";
    QTest::newRow("bad rows left out, named by line")
        << good + "x;y\r\n" + good + "2024-01-01T00:00:00Z;-5;rendben;;;;;;;;;;;\r\n"
        << "2|2|3";
    QTest::newRow("unknown state")
        << "2024-01-01T00:00:00Z;5;mi ez;;;;;;;;;;;\r\n" + good << "1|1|2";
    QTest::newRow("empty lines and no last line break") << "\r\n" + good.chopped(2) << "1|0|0";
}

void TestWatch::logRefusesAndSkips()
{
    QFETCH(QByteArray, rows);
    QFETCH(QString, outcome);
    const LogRead read = readLog(rows == "-" ? QByteArray("a;b\r\n") : logHeader() + rows);
    if (outcome == u"error") {
        QVERIFY(!read.error.isEmpty());
        return;
    }
    QCOMPARE(QStringLiteral("%1|%2|%3")
                 .arg(read.samples.size())
                 .arg(read.badRows)
                 .arg(read.firstBadLine),
             outcome);
}

// The blocks' ranges against a plain scan, over ragged ranges, and after the oldest half
// went.
void TestWatch::historySpans()
{
    History history(1000);
    QRandomGenerator random(7);
    QList<Sample> kept;
    for (int i = 0; i < 1300; ++i) {
        Sample s = random.bounded(10) == 0
                       ? of(SampleState::Silent)
                       : decodeReply(line(random.bounded(2) ? "1000" : "0000", "0100", "1",
                                          qPrintable(QString::number(random.bounded(6)))),
                                     true);
        s.analog = s.isOk() ? float(random.bounded(100)) / 10 : std::nanf("");
        s = at(s, i * 1000);
        history.append(s);
        kept << s;
    }
    QCOMPARE(history.dropped(), 500);
    QCOMPARE(history.size(), 800);
    kept = kept.mid(500);
    for (const auto &[from, to] : {std::pair{0, 800}, {1, 2}, {3, 700}, {255, 513}, {799, 800}}) {
        const History::Span s = history.span(from, to);
        float lo = INFINITY, hi = -INFINITY;
        quint16 on = 0;
        bool gap = false;
        for (int i = from; i < to; ++i) {
            gap = gap || !kept.at(i).isOk();
            if (!kept.at(i).isOk())
                continue;
            lo = qMin(lo, kept.at(i).analog);
            hi = qMax(hi, kept.at(i).analog);
            on |= kept.at(i).outputs;
        }
        QCOMPARE(s.min[History::Analog], lo);
        QCOMPARE(s.max[History::Analog], hi);
        QCOMPARE(quint16(s.anyOn & 0xF), on);
        QCOMPARE(s.anyGap, gap);
    }
    QCOMPARE(history.lowerBound(kept.at(10).elapsedMs), 10);
}

// qvsim's status course: the script's steps in order and repeated, the wandering signal
// within its range, the counter climbing.
void TestWatch::emulatedCourse()
{
    qvsim::StatusCourse course;
    course.steps = {{3, "inputs=0110"}, {5, "inputs=0000,supply=0"}};
    course.cycle = 6;
    QString inputs;
    for (int n = 1; n <= 12; ++n)
        inputs += QString::number(
            int(statusForAnswer(qvsim::defaultStatus(qvsim::Model::QV5), course, n).inputs[2]));
    QCOMPARE(inputs, QStringLiteral("001100001100"));
    QVERIFY(!qvsim::parseStatusStep(QStringLiteral("0:inputs=0000"), nullptr));

    course = {};
    course.wander = true;
    QSet<int> levels;
    qint64 counter = -1;
    for (int n = 1; n <= 200; ++n) {
        const auto s = statusForAnswer(qvsim::defaultStatus(qvsim::Model::QV5), course, n);
        levels.insert(s.signalLevel);
        QVERIFY(s.counter.toLongLong() > counter);
        counter = s.counter.toLongLong();
    }
    QCOMPARE(levels, (QSet<int>{1, 2, 3, 4, 5}));
}

QTEST_GUILESS_MAIN(TestWatch)
#include "tst_watch.moc"
