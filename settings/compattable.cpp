#include "settings/compattable.h"

#include <QIODevice>

namespace qv::compat {

QString tableFileName(const QString &version)
{
    const QString major = version.section(u'.', 0, 0);
    const QString minor = version.section(u'.', -1);
    if (!version.contains(u'.') || minor.isEmpty())
        return {};
    return QStringLiteral("cmptbl_%1_%2.dll").arg(major, minor.left(1));
}

Table readTable(QIODevice &device)
{
    Table table;
    QByteArray line;
    bool overlong = false; // the current line is past kMaxEntryBytes: it is skipped
    qint64 total = 0;
    auto endLine = [&] {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!overlong && line.size() <= kMaxEntryBytes)
            table.entries << QString::fromLatin1(line);
        line.clear();
        overlong = false;
    };
    char buffer[4096];
    for (;;) {
        const qint64 n = device.read(buffer, sizeof buffer);
        if (n < 0) {
            table.entries.clear();
            table.status = ReadStatus::ReadError;
            return table;
        }
        if (n == 0)
            break;
        total += n;
        if (total > kMaxTableBytes) {
            table.entries.clear();
            table.status = ReadStatus::TooLarge;
            return table;
        }
        for (qint64 i = 0; i < n; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                endLine();
            } else if (!overlong) {
                line.append(c);
                // One byte more than an entry may hold: room for a CR before the LF.
                if (line.size() > kMaxEntryBytes + 1)
                    overlong = true;
            }
        }
    }
    if (!line.isEmpty() || overlong || table.entries.isEmpty())
        endLine(); // a last line without its end; an empty file is one empty line
    table.status = ReadStatus::Ok;
    return table;
}

bool lists(const Table &table, const QString &identification)
{
    return table.status == ReadStatus::Ok && table.entries.contains(identification);
}

} // namespace qv::compat
