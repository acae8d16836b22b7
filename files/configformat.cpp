#include "files/configformat.h"

#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace qv::files {

namespace {

enum class LineStatus { Line, End, TooLong, Error };

// Takes the next line from `device` without its line end, never more than
// kMaxLineBytes of content (plus the line end) at a time.
LineStatus nextLine(QIODevice &device, QByteArray &line)
{
    // Room for a line of the longest allowed content, its CR LF and one byte more,
    // whatever the exact counting of readLine's limit.
    line = device.readLine(kMaxLineBytes + 3);
    if (line.isEmpty())
        return device.atEnd() ? LineStatus::End : LineStatus::Error;
    if (line.endsWith('\n'))
        line.chop(1);
    else if (line.size() > kMaxLineBytes)
        return LineStatus::TooLong;
    // A file whose CR LF went through one more conversion ends its lines in CR CR LF.
    // No value ends in CR (the writer turns CR into a blank), so every CR there goes.
    while (line.endsWith('\r'))
        line.chop(1);
    return line.size() > kMaxLineBytes ? LineStatus::TooLong : LineStatus::Line;
}

// Each line is decoded on its own, so a broken byte sequence stays in its line. A line
// that the system's encoding cannot take is read as Latin-1: every byte keeps a
// character of its own, and the module gets that byte back on a download.
QString decodeLine(QStringDecoder &decode, const QByteArray &raw)
{
    decode.resetState();
    QString text = decode(raw);
    return decode.hasError() ? QString::fromLatin1(raw) : text;
}

bool startsWithWideTextMark(QIODevice &device)
{
    const QByteArray head = device.peek(4);
    return head.startsWith("\xff\xfe") || head.startsWith("\xfe\xff") ||
           head.startsWith(QByteArrayView("\0\0\xfe\xff", 4));
}

} // namespace

ReadResult readConfig(QIODevice &device, int valueLines)
{
    ReadResult result;
    if (startsWithWideTextMark(device)) {
        result.status = ReadStatus::WideText;
        return result;
    }
    QStringDecoder decode(QStringConverter::System, QStringConverter::Flag::Stateless);
    QByteArray raw;
    while (result.values.size() < valueLines) {
        switch (nextLine(device, raw)) {
        case LineStatus::Line:
            result.values << decodeLine(decode, raw);
            ++result.linesRead;
            continue;
        case LineStatus::End:
            result.status = ReadStatus::TooFewLines;
            return result;
        case LineStatus::TooLong:
            result.status = ReadStatus::LineTooLong;
            return result;
        case LineStatus::Error:
            result.status = ReadStatus::ReadError;
            return result;
        }
    }
    result.status = ReadStatus::Ok;
    // The footer is optional: whatever ends it early leaves the values as they are.
    while (result.footer.size() < kFooterLines && nextLine(device, raw) == LineStatus::Line) {
        QString line = decodeLine(decode, raw);
        if (line == kEndMarker)
            break;
        result.footer << line;
        ++result.linesRead;
    }
    return result;
}

QByteArray writeConfig(const QStringList &values)
{
    QStringEncoder encode(QStringConverter::System);
    QByteArray out;
    out.reserve(values.size() * 8);
    for (QString value : values) {
        value.replace(QLatin1Char('\r'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '));
        out += encode(value);
        out += "\r\n";
    }
    return out;
}

QString saveConfig(const QString &path, const QStringList &values)
{
    // A short write (a full disk) shows only in flush(): commit() would still rename the
    // truncated file into place, so a failed flush cancels the save.
    const QByteArray contents = writeConfig(values);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() &&
        file.flush()) {
        if (file.commit())
            return {};
        return file.errorString();
    }
    const QString reason = file.errorString();
    file.cancelWriting();
    return reason;
}

QString displayFileName(const QString &path)
{
    const QFileInfo info(path);
    return info.baseName() + QLatin1Char('.') + info.completeSuffix();
}

QString withDefaultSuffix(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    QString result = path;
    if (!result.endsWith(QLatin1Char('.')))
        result += QLatin1Char('.');
    return result + kSuffix;
}

} // namespace qv::files
