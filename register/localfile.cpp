#include "register/localfile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QtEndian>

#include <mutex>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace qv::reg {

namespace {

// The connections of this process on each register file, by the file's canonical path.
struct Claims
{
    std::mutex mutex;
    QHash<QString, int> count;
};

Claims &claims()
{
    static Claims all;
    return all;
}

// The file's path with every symbolic link resolved, so that two names of one file count
// as one; for a file not made yet, its folder's.
QString claimKey(const QString &path)
{
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + u'/' + info.fileName();
}

} // namespace

FileKind kindByName(const QString &path)
{
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        const QFileInfo beside(path + QLatin1StringView(suffix));
        if (beside.exists() && !beside.isFile())
            return FileKind::NotPlain;
    }
    const QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    return info.isFile() ? FileKind::Database : FileKind::NotPlain;
}

// What the first bytes of a file say about it, before SQLite touches it: SQLite would take
// a file that is not a database for one only once it writes, and a truncated one it reads
// until it reaches a missing page.
FileKind inspectFile(const QString &path)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting: the path may have become a named pipe since it was looked at.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return FileKind::Unreadable;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return FileKind::NotPlain;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileKind::Unreadable;
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
#endif
    const qint64 size = file.size();
    if (size == 0)
        return FileKind::Empty;
    const QByteArray head = file.read(100);
    if (head.size() < 100 || !head.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return FileKind::NotDatabase;
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    qint64 pageSize = qFromBigEndian<quint16>(bytes + 16);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        return FileKind::NotDatabase;
    // The page count in the header is valid when the change counter matches the number
    // written beside it. A write-ahead log that is not empty may hold the newest pages
    // (or another program may be moving them into the file): then SQLite itself decides.
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const bool countValid =
        pages != 0 && qFromBigEndian<quint32>(bytes + 24) == qFromBigEndian<quint32>(bytes + 92);
    const QFileInfo wal(path + QStringLiteral("-wal"));
    if (countValid && !(wal.exists() && wal.size() > 0) && size < pages * pageSize)
        return FileKind::Truncated;
    return FileKind::Database;
}

FileClaim FileClaim::claim(const QString &path, const std::function<void(bool alone)> &look)
{
    Claims &all = claims();
    const std::lock_guard lock(all.mutex);
    const QString before = claimKey(path);
    look(all.count.value(before) == 0);
    // `look` may have made the file: counted under the name it has now.
    FileClaim made;
    made.m_key = claimKey(path);
    ++all.count[made.m_key];
    return made;
}

FileClaim::~FileClaim()
{
    if (m_key.isEmpty())
        return;
    Claims &all = claims();
    const std::lock_guard lock(all.mutex);
    if (--all.count[m_key] <= 0)
        all.count.remove(m_key);
}

FileClaim::FileClaim(FileClaim &&other) noexcept : m_key(std::exchange(other.m_key, QString()))
{
}

FileClaim &FileClaim::operator=(FileClaim &&other) noexcept
{
    if (this != &other) {
        FileClaim old(std::move(*this));
        m_key = std::exchange(other.m_key, QString());
    }
    return *this;
}

} // namespace qv::reg
