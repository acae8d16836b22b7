// The customer's sheet: what a configured module does, who may call it and which SMS
// switches what, in the words of the program's language, as a plain value that the layout
// (sheet/document.h) turns into pages. Qt Core only.
//
// Data flow:
//   the form's values (the window), a *.msw file (the command) or a register entry's 56
//   record fields (valuesFromRecord) -> Source -> makeSheet(): the form's own checks and the
//   download's assembly refuse a configuration they would refuse; otherwise the values
//   become sections of facts and tables. What the model lacks and what is empty stay out;
//   no flag is shown as its raw value; the PIN only when asked for.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qv::sheet {

// What the sheet is made of: a configuration and what the sheet says about it besides.
struct Source
{
    QStringList values; // the form's values, in the order of form::configurationFields()
    int model = 0; // qv::settings::DeviceModelCode; NoDevice: the smallest model the values fit
    QString site;  // where the module is; empty: left out
    QString technician; // who set it up; empty: left out
    QDate date;         // the date the sheet gives; invalid: left out
    QString programVersion;
    bool withPin = false;   // the module's PIN is printed only when asked for
    QChar separator = u'|'; // the download's separator, which no text may hold
};

// One labelled value. `typed` marks a text the module sends or takes as it stands (an SMS
// text, a command): the layout sets it apart so that it is typed exactly.
struct Fact
{
    QString label;
    QString value;
    bool typed = false;
};

struct Table
{
    QStringList header;
    QList<QStringList> rows;
    QList<int> typedColumns; // columns of texts the module sends or takes
};

// Under a section's heading: an optional subheading, then facts, a table or a note.
struct Part
{
    QString subheading;
    QList<Fact> facts;
    std::optional<Table> table;
    QString note;
};

struct Section
{
    QString heading;
    QList<Part> parts;
};

struct Sheet
{
    QString title;    // "Ügyféllap"
    QString subtitle; // the module's name and id
    QList<Section> sections;
    QString documentTitle; // for the PDF's properties
    QString author;        // the technician, or the program
    QString creator;       // the program and its version
};

struct Made
{
    std::optional<Sheet> sheet;
    QString field;  // when refused: the form's field at fault (its object name)
    QString reason; // when refused: the field as the form names it, and why
};

// The sheet of `source`, or why the configuration is refused: a field that the form's own
// checks or the download's assembly would not take (a text with an accented letter, a
// telephone number with a letter, a text holding the separator or a line break).
Made makeSheet(const Source &source);

// The smallest model (Q_BRK2, then Q_QV3, then Q_QV5) that has every text, alarm column
// and ring-in output the values use: the model a configuration file was saved for.
int modelOf(const QStringList &values);

// A register entry's 56 record fields as the form's values after a read-out of them into
// a form shaped for `model`; nothing when they do not decode.
std::optional<QStringList> valuesFromRecord(const QStringList &fields, int model);

} // namespace qv::sheet
