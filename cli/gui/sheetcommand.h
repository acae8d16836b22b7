// "qvconfig sheet FILE.msw -o SHEET.pdf": the customer's sheet of a configuration file,
// written as a PDF without a window. Needs a QGuiApplication (the fonts), on any platform
// plugin: the offscreen one does.
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

namespace qv::cli {

struct SheetRequest
{
    QString input;      // the configuration file, as given
    QStringList values; // its values, already read
    QString output;     // the PDF to write
    bool withPin = false;
    QString site;
    QString version;   // the program's
    bool json = false; // the result as one JSON object
};

// Writes the sheet and returns the command's exit status (see commands.h): Usage when the
// output names the input or the configuration is refused by the form's checks, Failed when
// the PDF cannot be written.
int sheetCommand(const SheetRequest &request, QTextStream &out, QTextStream &err);

} // namespace qv::cli
