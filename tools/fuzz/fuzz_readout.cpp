// The read-out reply: cleaning and splitting into the 56 fields, and the telephone
// entries. Any reply is handled without a crash; a reply the encoder produced gives
// its fields back.
#include "fuzzcheck.h"
#include "transfer/modulerecord.h"

using namespace qv::transfer::record;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // Any reply.
    const SplitResult split = splitReadOut(fromWire(bytes));
    QV_FUZZ_CHECK(split.fields.size() == split.count);
    QV_FUZZ_CHECK((split.status == SplitStatus::Ok) == (split.count == FieldCount));
    for (const QString &field : split.fields) {
        QV_FUZZ_CHECK(!field.endsWith(QLatin1Char(' ')));
        // A separator may stand inside a field of a fixed-width reply (a rights character),
        // a line end or an erased byte never.
        QV_FUZZ_CHECK(!field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n')) &&
                      !field.contains(QChar(0xFF)));
        const TelephoneEntry entry = decodeTelephone(field);
        QV_FUZZ_CHECK(entry.hasFlags == (field.size() >= 2));
        QV_FUZZ_CHECK(entry.number.size() <= field.size());
    }

    // A reply built by the encoder from fields taken out of the input.
    if (bytes.isEmpty())
        return 0;
    ReadOutStyle style;
    const uchar shape = uchar(bytes.at(0));
    style.lineEnd = ReadOutStyle::LineEnd(shape & 3);
    style.padding = (shape & 4) ? ReadOutStyle::Padding::Erased : ReadOutStyle::Padding::Blanks;
    style.fieldsPerLine = (shape >> 3) & 7;
    style.separators = style.lineEnd == ReadOutStyle::LineEnd::None || style.fieldsPerLine != 1
                           ? true
                           : (shape & 0x80) != 0;
    if (!style.separators && style.fieldsPerLine != 1)
        return 0;
    QStringList fields;
    for (const QByteArray &piece : fuzz::pieces(bytes.mid(1), FieldCount)) {
        QString text = fuzz::cleanText(piece, QByteArray("|\r\n\xff", 4), ItemWidth);
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        fields << text;
    }
    const SplitResult back = splitReadOut(fromWire(encodeReadOut(fields, style)));
    QV_FUZZ_CHECK(back.status == SplitStatus::Ok);
    QV_FUZZ_CHECK(back.fields == fields);
    return 0;
}
