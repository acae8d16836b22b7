#include "settings/compattable.h"

#include "settings/datafiles.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

namespace qv::settings {
Q_LOGGING_CATEGORY(lcIdent, "qv.ident")
}

namespace qv::settings::compat {

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

bool isCompatible(const QString &version, const QString &identification)
{
    const QString name = tableFileName(version);
    if (name.isEmpty()) {
        qCDebug(lcIdent).noquote()
            << QStringLiteral("\"no table name for version %1\"").arg(version);
        return false;
    }
    // Only a plain file: a named pipe in its place would wait for a writer for ever.
    const QString path = locateDataFile(name);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcIdent).noquote()
            << QStringLiteral("\"%1: %2\"")
                   .arg(name, QFileInfo::exists(path) ? file.errorString()
                                                      : QStringLiteral("No such file"));
        return false;
    }
    const Table table = readTable(file);
    if (table.status != ReadStatus::Ok)
        qCDebug(lcIdent).noquote() << QStringLiteral("\"%1: not a compatibility table\"").arg(name);
    return lists(table, identification);
}

} // namespace qv::settings::compat
