// The status line: any reply is parsed without a crash into at most what it holds,
// and a line built from a state gives that state back.
#include "fuzzcheck.h"
#include "transfer/statusreply.h"

using namespace qv::transfer::status;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString line = QString::fromLatin1(bytes);

    const ParseResult any = parseStatusLine(line);
    QV_FUZZ_CHECK((any.result == ParseStatus::Ok) == (any.fieldCount >= MinimumFields));
    QV_FUZZ_CHECK(any.fieldCount == line.count(QLatin1Char(' ')) + 1);
    const int bar = signalBarValue(any.status.signalLevel);
    QV_FUZZ_CHECK(bar >= 10 && bar <= 50 && bar % 10 == 0);
    QV_FUZZ_CHECK(signalBarValue(bytes.isEmpty() ? 0 : int(uchar(bytes.at(0))) * 1000) <= 50);

    if (bytes.size() < 3)
        return 0;
    ModuleStatus state;
    for (int i = 0; i < 4; ++i) {
        state.outputs[size_t(i)] = (uchar(bytes.at(0)) >> i) & 1;
        state.inputs[size_t(i)] = (uchar(bytes.at(0)) >> (i + 4)) & 1;
    }
    state.supply = bytes.at(1) & 1;
    state.signalLevel = (uchar(bytes.at(1)) >> 1) % 10;
    const QList<QByteArray> texts = fuzz::pieces(bytes.mid(2), 3);
    const QByteArray drop(" \r\n\0", 4);
    state.analog = fuzz::cleanText(texts.at(0), drop, 8);
    state.counter = fuzz::cleanText(texts.at(1), drop, 8);
    state.version = fuzz::cleanText(texts.at(2), drop, 16);
    const ParseResult back = parseStatusLine(buildStatusLine(state));
    QV_FUZZ_CHECK(back.result == ParseStatus::Ok);
    QV_FUZZ_CHECK(back.status == state);
    return 0;
}
