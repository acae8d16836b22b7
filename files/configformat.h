// The configuration file (*.msw, defval_qv.dll): one value per line, read and written here.
//
// A file holds the texts of the form's line edits, then "1"/"0" for each check box and
// radio button, each on its own line in the form's walking order; the defaults file may
// add two footer lines after them. This file knows nothing about widgets: the file
// commands walk the form and hand the values over as strings.
#pragma once

#include "form/fieldvalue.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace qv::files {

// How many values the form contributes; their sum is the number of value lines.
inline constexpr int kLineEdits = 58;
inline constexpr int kCheckBoxes = 64;
inline constexpr int kRadioButtons = 50;
inline constexpr int kValueLines = kLineEdits + kCheckBoxes + kRadioButtons;
// Lines after the values that the defaults file may carry (status-bar texts).
inline constexpr int kFooterLines = 2;
// No line of a configuration file comes near this; a longer one means a foreign file.
inline constexpr qsizetype kMaxLineBytes = 4096;
// After the values, a line holding exactly this ends the file.
inline constexpr QLatin1StringView kEndMarker{"---"};

enum class ReadStatus {
    Ok,          // `values` holds exactly the requested number of lines
    TooFewLines, // the file ended (or could not be read further) before the values did
    LineTooLong, // a value line is longer than kMaxLineBytes: not a configuration file
    ReadError,   // the device reported an error while reading
    WideText,    // UTF-16 or UTF-32 text (it starts with their byte-order mark): every line
                 // would come out with NUL characters and no box would be ticked
};

struct ReadResult
{
    ReadStatus status = ReadStatus::TooFewLines;
    QStringList values;      // the value lines, without line ends
    QStringList footer;      // up to kFooterLines lines after the values
    qsizetype linesRead = 0; // value and footer lines taken from the device
};

// Reads `valueLines` value lines and up to kFooterLines footer lines from `device`,
// which must be open for reading. Lines end in LF or CR LF, also with more CRs before
// the LF (a last line may have no end). Reading never goes past the footer, a line is
// never longer than kMaxLineBytes, so a huge or endless input costs no more than the
// format can use. Within the values every line counts as a value, "---" included; the
// end marker is honoured only after them, and an over-long footer line ends the footer.
// Bytes are decoded with the system's 8-bit encoding; a line that is not valid in it
// (Latin-1 text on a UTF-8 system) is taken byte for byte as Latin-1, so that no
// character is replaced.
ReadResult readConfig(QIODevice &device, int valueLines = kValueLines);

// The file contents for `values`: each value followed by CR LF, encoded with the
// system's 8-bit encoding. A line break inside a value would shift every later line,
// so CR and LF inside a value are written as blanks.
QByteArray writeConfig(const QStringList &values);

// Writes `values` into the file at `path`, replacing an old file only once the new one is
// complete (a full disk leaves the old one as it was). Empty when done, otherwise the
// reason in the system's words.
QString saveConfig(const QString &path, const QStringList &values);

// The value line of a check box or radio button, and back: only "1" means set (the form's
// own value of the field, see form/fieldvalue.h).
inline QString flagLine(bool set)
{
    return form::flagValue(set);
}
inline bool isSetLine(const QString &line)
{
    return form::isSetValue(line);
}

// The name shown for a configuration file: its base name up to the first ".", a ".",
// then everything after the first "." ("a.b.msw" stays, "noext" shows as "noext.").
QString displayFileName(const QString &path);

// The suffix of configuration files, and a path to save under: ".msw" is added to a name
// typed without a suffix ("alap" and "alap." become "alap.msw"); an empty path stays empty.
inline constexpr QLatin1StringView kSuffix{"msw"};
QString withDefaultSuffix(const QString &path);

} // namespace qv::files
