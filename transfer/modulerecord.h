// The module's configuration record on the wire: the read-out reply, the download lines
// and the two flag characters of a telephone entry.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qv::transfer::record {

inline constexpr int FieldCount = 56;
inline constexpr int ItemWidth = 16;
inline constexpr char16_t DefaultSeparator = u'|';

// Bytes on the wire and characters in a reply are the same thing: byte n is U+00nn.
// A character above U+00FF has no byte; it goes out as 0.
QString fromWire(const QByteArray &bytes);
QByteArray toWire(const QString &text);

// ---- read-out reply (module -> program)

enum class SplitStatus {
    Ok,          // exactly 56 fields
    NoSeparator, // the reply holds no separator at all (an empty reply included)
    WrongCount,  // separators, but not 56 fields after cleaning
};

struct SplitResult
{
    SplitStatus status = SplitStatus::NoSeparator;
    int count = 0;      // fields after cleaning (0 for NoSeparator)
    QStringList fields; // the cleaned fields, whatever their number
};

// 0xFF becomes a blank; CR LF, then LF, then CR become "|".
QString normaliseReadOut(const QString &reply);

// A reply of 56 fields of 16 characters, each followed by `separator` and perhaps by line
// ends, is cut by position (a separator inside a field stays there); 0xFF becomes a blank
// and trailing blanks go. Any other reply is normalised, split at `separator`, its empty
// pieces dropped and trailing blanks trimmed from the rest (a blank-only piece stays, as an
// empty field), then the count is checked.
SplitResult splitReadOut(const QString &reply, QChar separator = DefaultSeparator);

// How a module lays out its read-out reply. The defaults give what the modules send:
// every field padded to 16, "|" after each, CR LF after every fourth, erased (0xFF)
// padding in the message texts and in the reserved fields.
struct ReadOutStyle
{
    enum class LineEnd { None, CrLf, Lf, Cr };
    enum class Padding {
        None,   // fields as they are: an empty field is lost on the program's side
        Blanks, // every field padded to 16 with blanks
        Erased, // reserved fields all 0xFF, message texts padded with 0xFF, others blanks
    };
    bool separators = true; // "|" after every field
    LineEnd lineEnd = LineEnd::CrLf;
    int fieldsPerLine = 4; // a line end after every n-th field; 0: none
    Padding padding = Padding::Erased;
};

QByteArray encodeReadOut(const QStringList &fields, const ReadOutStyle &style = {});

// Fields the program ignores on read-out and leaves empty on download.
bool isReservedField(int index);
// Fields holding free message texts (the module keeps their unused tail erased).
bool isMessageField(int index);

// ---- download (program -> module)

// Left-justified to 16 with blanks; a longer value stays whole.
QString padItem(const QString &value);

// 56 padded items, each followed by the separator.
QString buildDownloadRecord(const QStringList &fields, QChar separator = DefaultSeparator);

// The record's lines: 56 item lines and a final empty line for a well-formed record.
// A record of 56 items of 16 characters is cut by position, so a rights character that
// equals the separator ("|" is 0x30 + 76) stays inside its item; any other record is
// split at the separator with empty pieces kept.
QStringList downloadLines(const QString &record, QChar separator = DefaultSeparator);

// What the program sends after "~}": every line's bytes followed by CR.
QByteArray downloadWire(const QString &record, QChar separator = DefaultSeparator);

enum class ReceiptStatus {
    Incomplete, // more lines are needed
    Complete,   // 56 lines and then the empty line
    Malformed,  // an empty line too early, or a 57th line that is not empty
};

struct Receipt
{
    ReceiptStatus status = ReceiptStatus::Incomplete;
    QStringList items; // the item lines received so far, without their CR
};

// The module's view of the bytes received after "~}" so far.
Receipt receiveDownload(const QByteArray &bytes);

// ---- telephone entries (fields 48..55)

struct TelephoneEntry
{
    bool hasFlags = false; // false when the field is shorter than the two flag characters
    int flags = 0;         // bits 0..7: the eight rights (bit 7 = notice by SMS)
    int selection = 0;     // output switched by a call from this number: 0 none, 1..4
    QString number;
};

// Decodes the flag characters A and B as the modules store them, with character codes
// taken as signed 8-bit values. A field shorter than two characters gives no rights,
// selection 0 and an empty number.
TelephoneEntry decodeTelephone(const QString &field);

// rights: bits 0..6 (inputs 1..4, analog, counter, notice by call);
// output: 0..4; the SMS notice travels in the selection character.
QString encodeTelephone(int rights, bool smsNotice, int output, const QString &number);

} // namespace qv::transfer::record
