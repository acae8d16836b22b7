// The customer's sheet laid out as a rich-text document on the pages of a printer or a PDF
// writer, and the sheet written as a PDF. Qt Gui (fonts), no widgets.
#pragma once

#include "sheet/content.h"

#include <QList>
#include <QString>

#include <memory>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace qv::sheet {

// The sheet as documents of one page each, laid out for the paint rectangle of `device`'s
// pages. Every text goes in as text, never as markup. A section that would run over the end
// of a page starts the next one: a page breaks between sections, never inside a table row
// (and no line is painted, clipped away, on the page before).
std::vector<std::unique_ptr<QTextDocument>> layOut(const Sheet &sheet, QPagedPaintDevice &device);

// Lays the sheet out for `device` and paints it there page by page (a printer, a PDF
// writer); the page size and margins are the device's.
void print(const Sheet &sheet, QPagedPaintDevice &device);

// The sheet as the bytes of a PDF on A4 pages: its title and author in the document's
// properties, its text selectable, its fonts embedded.
QByteArray pdf(const Sheet &sheet);

// Writes pdf(sheet) into `path` through a temporary file that replaces `path` only once
// it is complete, so a failure leaves no half-written file. Empty when done, otherwise why
// (the system's words).
QString writePdf(const Sheet &sheet, const QString &path);

} // namespace qv::sheet
