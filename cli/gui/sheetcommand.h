// "qvconfig sheet FILE.msw -o SHEET.pdf": the customer's sheet of a configuration file,
// written as a PDF without a window. Needs a QGuiApplication (the fonts), on any platform
// plugin: the offscreen one does.
#pragma once

#include "cli/commands.h"

class QTextStream;

namespace qv::cli::gui {

// Writes the sheet and returns the command's exit status (see cli/commands.h): Usage when
// the output names the input or the configuration is refused by the form's checks, Failed
// when the PDF cannot be written. The sheet command's writer (SheetWriter).
int writeSheet(const SheetRequest &request, QTextStream &out, QTextStream &err);

} // namespace qv::cli::gui
