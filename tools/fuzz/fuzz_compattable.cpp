// The compatibility table: any file is read within its bounds, every entry read is found
// again by the lookup, and a line never matches with its line end attached.
#include "fuzzcheck.h"
#include "settings/compattable.h"

#include <QBuffer>

using namespace qv::settings::compat;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const Table table = readTable(buffer);
    QV_FUZZ_CHECK(table.status == ReadStatus::Ok || table.entries.isEmpty());
    for (const QString &entry : table.entries) {
        QV_FUZZ_CHECK(!entry.contains(QLatin1Char('\n')));
        QV_FUZZ_CHECK(entry.size() <= kMaxEntryBytes);
        QV_FUZZ_CHECK(lists(table, entry));
        QV_FUZZ_CHECK(!lists(table, entry + QLatin1Char('\n')) ||
                      table.entries.contains(entry + QLatin1Char('\n')));
    }
    // Identifications arrive upper-cased: a lower-case line matches only itself.
    const QString probe = QString::fromLatin1(bytes.left(32));
    QV_FUZZ_CHECK(lists(table, probe) == table.entries.contains(probe));
    return 0;
}
