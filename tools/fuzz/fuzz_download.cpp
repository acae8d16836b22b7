// The download record on the wire: the module's view of any byte stream is consistent,
// and a record built from the form's fields arrives as exactly those padded items.
#include "fuzzcheck.h"
#include "transfer/modulerecord.h"

using namespace qv::transfer::record;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    const Receipt any = receiveDownload(bytes);
    QV_FUZZ_CHECK(any.items.size() <= FieldCount + 1);
    if (any.status == ReceiptStatus::Complete)
        QV_FUZZ_CHECK(any.items.size() == FieldCount);

    QStringList fields;
    for (const QByteArray &piece : fuzz::pieces(bytes, FieldCount))
        fields << fuzz::cleanText(piece, QByteArray("|\r", 2), ItemWidth);
    const QString record = buildDownloadRecord(fields);
    QV_FUZZ_CHECK(record.size() == FieldCount * (ItemWidth + 1));
    const QStringList lines = downloadLines(record);
    QV_FUZZ_CHECK(lines.size() == FieldCount + 1 && lines.last().isEmpty());
    const QByteArray wire = downloadWire(record);
    QV_FUZZ_CHECK(wire.size() == FieldCount * (ItemWidth + 1) + 1);
    const Receipt back = receiveDownload(wire);
    QV_FUZZ_CHECK(back.status == ReceiptStatus::Complete);
    for (int i = 0; i < FieldCount; ++i)
        QV_FUZZ_CHECK(back.items.at(i) == padItem(fields.at(i)));
    return 0;
}
