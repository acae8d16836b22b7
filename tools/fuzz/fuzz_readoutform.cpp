// The read-out decoded for the form, and the form assembled into the download record.
// Any reply decodes without a crash; a well-formed configuration read out of a module
// and written back without edits gives the module exactly the record it sent.
#include "fuzzcheck.h"
#include "transfer/configrecord.h"

using namespace qv::transfer::record;
using namespace qv::transfer;

namespace {

QChar digit(uchar byte, int base)
{
    return QChar(u'0' + byte % base);
}

// A configuration as a module stores it, chosen by the input: every field in the form
// the download writes it (zero-filled numbers, padded analogue levels, flag characters).
QStringList canonicalFields(const QByteArray &bytes)
{
    const QList<QByteArray> parts = fuzz::pieces(bytes, FieldCount);
    QStringList fields;
    for (int i = 0; i < FieldCount; ++i) {
        const QByteArray &part = parts.at(i);
        auto byte = [&](int n) { return uchar(part.size() > n ? part.at(n) : 0); };
        QString field;
        if (isReservedField(i)) {
            // stays empty
        } else if (i == 1 || i == 2 || i == 5) {
            for (int n = 0; n < 4; ++n)
                field += digit(byte(n), 10);
        } else if (i == 7) {
            field = QStringLiteral("%1").arg(byte(0) % 16, 2, 10, QLatin1Char('0'));
        } else if (i == 8 || i == 9) {
            for (int n = 0; n < 3; ++n)
                field += digit(byte(n), 10);
        } else if (i == 10) {
            field = digit(byte(0), 2);
        } else if (i >= FirstTelephoneField) {
            const int rights = byte(0) % 128;
            const int output = byte(1) % 5;
            const bool sms = byte(1) & 0x80;
            field = encodeTelephone(rights, sms, output,
                                    fuzz::cleanText(part.mid(2), QByteArray("|\r\n\xff ", 5), 14));
        } else {
            field = fuzz::cleanText(part, QByteArray("|\r\n\xff", 4), ItemWidth);
            while (field.endsWith(QLatin1Char(' ')))
                field.chop(1);
        }
        fields << field;
    }
    return fields;
}

// The values the form holds after the read-out, as the download walks them.
FormValues formAfterReadOut(const ReadOutForm &form)
{
    FormValues values;
    for (const auto &[name, text] : form.texts)
        values.texts.insert(name, text);
    for (int entry = 1; entry <= Entries; ++entry) {
        for (int column = 1; column <= 8; ++column)
            values.matrix.append({QStringLiteral("%1.%2").arg(entry).arg(column),
                                  hasRight(form.rights[size_t(entry - 1)], column)});
        const int selection = form.selection[size_t(entry - 1)];
        for (int output = 0; output <= 4; ++output)
            values.radios.append(
                {QStringLiteral("r%1_%2").arg(entry).arg(output), selection == output});
    }
    values.monostable = form.monostable;
    values.range15 = form.range15;
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const ReadOutResult any = decodeReadOut(fromWire(bytes));
    QV_FUZZ_CHECK((any.status == ReadOutStatus::Ok) == any.diagnostic().isEmpty());
    if (any.status == ReadOutStatus::Ok) {
        QV_FUZZ_CHECK(any.form.smsOperator >= 0 && any.form.smsOperator <= 3);
        QV_FUZZ_CHECK(any.form.monostable >= 0 && any.form.monostable <= 15);
    }

    if (bytes.isEmpty())
        return 0;
    const QStringList fields = canonicalFields(bytes.mid(1));
    ReadOutStyle style;
    style.lineEnd = ReadOutStyle::LineEnd(uchar(bytes.at(0)) & 3);
    style.padding =
        (bytes.at(0) & 4) ? ReadOutStyle::Padding::Erased : ReadOutStyle::Padding::Blanks;
    style.fieldsPerLine = (uchar(bytes.at(0)) >> 3) & 7;
    const ReadOutResult decoded = decodeReadOut(fromWire(encodeReadOut(fields, style)));
    QV_FUZZ_CHECK(decoded.status == ReadOutStatus::Ok);

    const Assembly assembly = assembleDownload(formAfterReadOut(decoded.form));
    QV_FUZZ_CHECK(assembly.status == AssemblyStatus::Ok);
    QV_FUZZ_CHECK(assembly.unreadableTags == 0);
    QV_FUZZ_CHECK(assembly.record == buildDownloadRecord(fields));
    return 0;
}
