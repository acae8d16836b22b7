#include "transfer/modulerecord.h"

#include <algorithm>
#include <optional>

namespace qv::transfer::record {

namespace {

constexpr char16_t Erased = u'\u00FF';

QString padWith(const QString &value, QChar fill)
{
    return value.leftJustified(ItemWidth, fill, false);
}

qint8 signedCode(QChar c)
{
    return static_cast<qint8>(static_cast<quint8>(c.unicode() & 0xFF));
}

} // namespace

QString fromWire(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray toWire(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(c.unicode() < 0x100 ? char(c.unicode()) : '\0');
    return bytes;
}

QString normaliseReadOut(const QString &reply)
{
    QString text = reply;
    text.replace(QChar(Erased), QChar(u' '));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
    text.replace(QChar(u'\n'), QChar(u'|'));
    text.replace(QChar(u'\r'), QChar(u'|'));
    return text;
}

namespace {

QString trimmedField(QString piece)
{
    while (piece.endsWith(u' '))
        piece.chop(1);
    return piece;
}

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The modules keep every field as 16 characters and send each followed by the separator,
// with line ends between some of them. Such a reply is cut by position, so a separator
// inside a field (the rights character of inputs 3 and 4 with call notice is "|") stays
// in its field. Any other reply gives nothing here.
std::optional<QStringList> splitFixedWidth(const QString &reply, QChar separator)
{
    QStringList fields;
    qsizetype at = 0;
    while (at < reply.size()) {
        if (fields.size() == FieldCount || reply.size() - at <= ItemWidth ||
            reply.at(at + ItemWidth) != separator)
            return std::nullopt;
        const QString field = reply.mid(at, ItemWidth);
        if (std::any_of(field.begin(), field.end(), isLineEnd))
            return std::nullopt;
        fields << trimmedField(QString(field).replace(QChar(Erased), QChar(u' ')));
        at += ItemWidth + 1;
        while (at < reply.size() && isLineEnd(reply.at(at)))
            ++at;
    }
    if (fields.size() != FieldCount)
        return std::nullopt;
    return fields;
}

} // namespace

SplitResult splitReadOut(const QString &reply, QChar separator)
{
    SplitResult result;
    if (const auto fields = splitFixedWidth(reply, separator)) {
        result.fields = *fields;
        result.count = FieldCount;
        result.status = SplitStatus::Ok;
        return result;
    }
    const QStringList pieces = normaliseReadOut(reply).split(separator, Qt::KeepEmptyParts);
    if (pieces.size() < 2)
        return result; // no separator at all
    for (const QString &piece : pieces) {
        if (!piece.isEmpty())
            result.fields.append(trimmedField(piece));
    }
    result.count = int(result.fields.size());
    result.status = result.count == FieldCount ? SplitStatus::Ok : SplitStatus::WrongCount;
    return result;
}

bool isReservedField(int index)
{
    return (index >= 12 && index <= 15) || index == 20 || index == 21 || index == 47;
}

bool isMessageField(int index)
{
    return (index >= 16 && index <= 19) || (index >= 22 && index <= 46);
}

QByteArray encodeReadOut(const QStringList &fields, const ReadOutStyle &style)
{
    QString lineEnd;
    switch (style.lineEnd) {
    case ReadOutStyle::LineEnd::None:
        break;
    case ReadOutStyle::LineEnd::CrLf:
        lineEnd = QStringLiteral("\r\n");
        break;
    case ReadOutStyle::LineEnd::Lf:
        lineEnd = QStringLiteral("\n");
        break;
    case ReadOutStyle::LineEnd::Cr:
        lineEnd = QStringLiteral("\r");
        break;
    }

    QString text;
    for (int i = 0; i < fields.size(); ++i) {
        const QString &field = fields.at(i);
        switch (style.padding) {
        case ReadOutStyle::Padding::None:
            text += field;
            break;
        case ReadOutStyle::Padding::Blanks:
            text += padItem(field);
            break;
        case ReadOutStyle::Padding::Erased:
            text += (isReservedField(i) || isMessageField(i)) ? padWith(field, QChar(Erased))
                                                              : padItem(field);
            break;
        }
        if (style.separators)
            text += QChar(DefaultSeparator);
        const bool lineFull = style.fieldsPerLine > 0 && (i + 1) % style.fieldsPerLine == 0;
        if (lineFull || (style.fieldsPerLine > 0 && i == fields.size() - 1))
            text += lineEnd;
    }
    return toWire(text);
}

QString padItem(const QString &value)
{
    return padWith(value, QChar(u' '));
}

QString buildDownloadRecord(const QStringList &fields, QChar separator)
{
    QString record;
    record.reserve(fields.size() * (ItemWidth + 1));
    for (const QString &field : fields) {
        record += padItem(field);
        record += separator;
    }
    return record;
}

QStringList downloadLines(const QString &record, QChar separator)
{
    constexpr qsizetype Step = ItemWidth + 1;
    bool fixedWidth = record.size() == FieldCount * Step;
    for (qsizetype end = Step - 1; fixedWidth && end < record.size(); end += Step)
        fixedWidth = record.at(end) == separator;
    if (!fixedWidth)
        return record.split(separator, Qt::KeepEmptyParts);
    QStringList lines;
    lines.reserve(FieldCount + 1);
    for (qsizetype start = 0; start < record.size(); start += Step)
        lines << record.mid(start, ItemWidth);
    lines << QString(); // the empty line that ends the record
    return lines;
}

QByteArray downloadWire(const QString &record, QChar separator)
{
    QByteArray bytes;
    for (const QString &line : downloadLines(record, separator)) {
        bytes += toWire(line);
        bytes += '\r';
    }
    return bytes;
}

Receipt receiveDownload(const QByteArray &bytes)
{
    Receipt receipt;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            return receipt; // the rest is an unfinished line
        const QByteArray line = bytes.mid(start, end - start);
        start = end + 1;
        if (receipt.items.size() < FieldCount) {
            if (line.isEmpty()) {
                receipt.status = ReceiptStatus::Malformed;
                return receipt;
            }
            receipt.items.append(fromWire(line));
            continue;
        }
        receipt.status = line.isEmpty() ? ReceiptStatus::Complete : ReceiptStatus::Malformed;
        return receipt;
    }
}

TelephoneEntry decodeTelephone(const QString &field)
{
    TelephoneEntry entry;
    if (field.size() < 2)
        return entry;
    const int a = signedCode(field.at(0));
    const int b = signedCode(field.at(1));
    const int flags = (a - 0x30) + (b <= 0x37 ? 128 : 0);
    entry.hasFlags = true;
    entry.flags = flags & 0xFF; // only bits 0..7 carry rights
    entry.selection = b <= 0x37 ? b - 0x30 : b - 0x38;
    entry.number = field.mid(2);
    return entry;
}

QString encodeTelephone(int rights, bool smsNotice, int output, const QString &number)
{
    const QChar rightsChar(char16_t(0x30 + (rights & 0x7F)));
    const QChar selectionChar(char16_t(0x30 + output + (smsNotice ? 0 : 8)));
    return QString(rightsChar) + selectionChar + number;
}

} // namespace qv::transfer::record
