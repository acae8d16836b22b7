// The configuration file loader: any file is read within the format's bounds, and the
// values of any file that loads, saved and loaded again, come back the same.
#include "files/configformat.h"
#include "fuzzcheck.h"

#include <QBuffer>

using namespace qv::files;

namespace {
ReadResult read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readConfig(buffer);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ReadResult first =
        read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    QV_FUZZ_CHECK(first.values.size() <= kValueLines);
    QV_FUZZ_CHECK(first.footer.size() <= kFooterLines);
    QV_FUZZ_CHECK(first.footer.isEmpty() || first.values.size() == kValueLines);
    QV_FUZZ_CHECK((first.status == ReadStatus::Ok) == (first.values.size() == kValueLines));
    for (const QString &value : first.values)
        QV_FUZZ_CHECK(!value.contains(QLatin1Char('\n')));
    if (first.status != ReadStatus::Ok)
        return 0;
    // The form's fields hold at most 16 characters; only such values must survive a
    // save unchanged (a long value of undecodable bytes grows when written back).
    for (const QString &value : first.values)
        if (value.size() > 256)
            return 0;

    const ReadResult second = read(writeConfig(first.values));
    QV_FUZZ_CHECK(second.status == ReadStatus::Ok);
    QStringList expected = first.values;
    for (QString &value : expected)
        value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    QV_FUZZ_CHECK(second.values == expected);
    return 0;
}
