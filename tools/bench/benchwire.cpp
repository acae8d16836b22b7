// Wire-time benchmark: each exchange against the paced emulator, measured against what
// the line and the mandated silence alone would take.
#include "emulator.h"
#include "serial/comport.h"
#include "serial/replybounds.h"
#include "transfer/modulerecord.h"
#include "transfer/statusreply.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

struct Outcome
{
    qint64 bytes = 0;  // bytes on the wire, both ways
    int silenceMs = 0; // the silence that ends the reply
    bool ok = false;
};

struct Row
{
    const char *name;
    qint32 baud;
    int runs;
    std::function<Outcome(const QString &port)> exchange;
};

double byteMs(qint32 baud)
{
    return 10000.0 / baud;
}

Outcome identification(const QString &port, qint32 baud, int probeTimeout)
{
    qv::serial::comPort com(port, baud);
    com.setReplyBound(qv::serial::replybound::Identification);
    if (!(probeTimeout ? com.open(0, probeTimeout, 0, 0) : com.open(500, 0, 0, 0)))
        return {};
    com.writeText(QStringLiteral("~|"), false);
    const qv::serial::Reply reply = com.readAll();
    com.close();
    return {2 + reply.text.size(), probeTimeout ? probeTimeout : 500,
            reply.text.startsWith(QStringLiteral("Q_"))};
}

class Counter : public qv::serial::ReadProgress
{
public:
    void advance() override { ++m_count; }
    bool cancelled() override { return false; }

private:
    int m_count = 0;
};

Outcome readOut(const QString &port, qint32 baud)
{
    qv::serial::comPort com(port, baud);
    if (!com.open(1000, 200, 0, 0))
        return {};
    com.writeText(QStringLiteral("~{"), false);
    Counter progress;
    const qv::serial::Reply reply = com.readAll(&progress);
    com.close();
    return {2 + reply.text.size(), 1200,
            qv::transfer::record::splitReadOut(reply.text).status ==
                qv::transfer::record::SplitStatus::Ok};
}

Outcome status(const QString &port)
{
    qv::serial::SerialLine line;
    if (line.open(qv::serial::lines::status(port)) != qv::serial::OpenResult::Ok)
        return {};
    line.writeBytes("~[");
    qv::serial::ReplyOptions options;
    options.bound = qv::serial::replybound::Status;
    options.endAtCr = true;
    const qv::serial::Reply reply = line.readReply(options);
    line.close();
    return {2 + reply.text.size() + 1, 0,
            qv::transfer::status::parseStatusLine(reply.text).result ==
                qv::transfer::status::ParseStatus::Ok};
}

Outcome download(const QString &port)
{
    qv::serial::SerialLine line;
    if (line.open(qv::serial::lines::download(port)) != qv::serial::OpenResult::Ok)
        return {};
    const QByteArray wire = qv::transfer::record::downloadWire(
        qv::transfer::record::buildDownloadRecord(qvsim::factoryFields()));
    line.writeBytes("~}");
    const bool ready = line.readByte().byte == 'R';
    line.readByte();
    line.writeBytes(wire);
    const bool ack = line.readByte().byte == 'O';
    line.readByte();
    line.close();
    return {2 + 2 + wire.size() + 2, 0, ready && ack};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));

    const QList<Row> rows = {
        {"identification", 1200, 3, [](const QString &p) { return identification(p, 1200, 0); }},
        {"identification", 9600, 3, [](const QString &p) { return identification(p, 9600, 0); }},
        {"port search probe", 1200, 3,
         [](const QString &p) { return identification(p, 1200, 300); }},
        {"read-out", 1200, quick ? 0 : 1, [](const QString &p) { return readOut(p, 1200); }},
        {"read-out", 9600, 2, [](const QString &p) { return readOut(p, 9600); }},
        {"read-out", 115200, 2, [](const QString &p) { return readOut(p, 115200); }},
        {"status", 1200, 3, [](const QString &p) { return status(p); }},
        {"download", 1200, quick ? 0 : 1, [](const QString &p) { return download(p); }},
    };

    // The first port a process opens costs some one-time set-up; it is shown apart.
    {
        qvsim::Emulator module;
        if (module.start()) {
            QElapsedTimer clock;
            clock.start();
            qv::serial::comPort com(module.slavePath(), 1200);
            com.open(500, 0, 0, 0);
            com.close();
            std::printf("first open and close in the process: %.2f ms (not in the rows)\n",
                        double(clock.nsecsElapsed()) / 1e6);
        }
    }

    std::printf("%-18s %7s %6s %12s %12s %8s %10s\n", "exchange", "bit/s", "bytes", "measured ms",
                "wire+quiet", "ratio", "extra ms");
    bool allOk = true;
    for (const Row &row : rows) {
        if (row.runs == 0)
            continue;
        qvsim::Emulator module({.line = {.moduleBaud = row.baud}});
        QString error;
        if (!module.start(&error)) {
            std::fprintf(stderr, "emulator: %s\n", qPrintable(error));
            return 1;
        }
        double measured = 0;
        Outcome outcome;
        for (int i = 0; i < row.runs; ++i) {
            QElapsedTimer clock;
            clock.start();
            outcome = row.exchange(module.slavePath());
            measured += double(clock.nsecsElapsed()) / 1e6;
            allOk = allOk && outcome.ok;
        }
        measured /= row.runs;
        const double ideal = double(outcome.bytes) * byteMs(row.baud) + outcome.silenceMs;
        std::printf("%-18s %7d %6lld %12.1f %12.1f %8.4f %10.1f%s\n", row.name, row.baud,
                    outcome.bytes, measured, ideal, measured / ideal, measured - ideal,
                    outcome.ok ? "" : "  (exchange failed)");
        std::fflush(stdout);
    }

    // Part of every exchange above: opening (lock file, line settings) and closing.
    qvsim::Emulator module;
    if (module.start()) {
        constexpr int Runs = 20;
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < Runs; ++i) {
            qv::serial::comPort com(module.slavePath(), 1200);
            allOk = com.open(500, 0, 0, 0) && allOk;
        }
        std::printf("open and close alone: %.2f ms (included in every row)\n",
                    double(clock.nsecsElapsed()) / 1e6 / Runs);
    }
    return allOk ? 0 : 1;
}
