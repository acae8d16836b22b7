#include "sheet/document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace qv::sheet {

namespace {

// Lengths of the layout are in pixels of 96 to the inch, which the layout scales to the
// device; font sizes in points.
constexpr qreal kBodyPoints = 9;

const QStringList &sansFamilies()
{
    static const QStringList families{QStringLiteral("DejaVu Sans"),
                                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    return families;
}

const QStringList &monoFamilies()
{
    static const QStringList families{QStringLiteral("DejaVu Sans Mono"),
                                      QStringLiteral("Liberation Mono"),
                                      QStringLiteral("Courier New")};
    return families;
}

QTextCharFormat textFormat(qreal points = kBodyPoints, bool bold = false,
                           QColor colour = QColor(0, 0, 0))
{
    QTextCharFormat format;
    format.setFontFamilies(sansFamilies());
    format.setFontPointSize(points);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setForeground(colour);
    // No ligatures: "fi" copied out of the PDF stays two letters.
    format.setFontStyleStrategy(QFont::PreferNoShaping);
    return format;
}

// A text the module sends or takes: set apart in a fixed-width face, as it is typed.
QTextCharFormat typedFormat()
{
    QTextCharFormat format = textFormat();
    format.setFontFamilies(monoFamilies());
    return format;
}

const QColor kHeadingColour(0, 70, 120);
const QColor kLabelColour(70, 70, 70);
const QColor kRuleColour(150, 150, 150);
const QColor kHeaderBackground(228, 235, 242);

class Builder
{
public:
    explicit Builder(QTextDocument &document) : m_cursor(&document) {}

    void title(const Sheet &sheet)
    {
        QTextBlockFormat block;
        block.setBottomMargin(2);
        m_cursor.setBlockFormat(block);
        m_cursor.insertText(sheet.title, textFormat(17, true, kHeadingColour));
        if (!sheet.subtitle.isEmpty()) {
            QTextBlockFormat below;
            below.setBottomMargin(4);
            m_cursor.insertBlock(below);
            m_cursor.insertText(sheet.subtitle, textFormat(12, true));
        }
    }

    // A line over a page after the first: whose sheet it is, and which page.
    void continuation(const QString &text)
    {
        m_cursor.insertText(text, textFormat(kBodyPoints - 1, false, kLabelColour));
    }

    void section(const Section &section)
    {
        QTextBlockFormat heading;
        heading.setTopMargin(16);
        heading.setBottomMargin(3);
        startBlock(heading);
        m_cursor.insertText(section.heading, textFormat(11.5, true, kHeadingColour));
        for (const Part &part : section.parts)
            this->part(part);
    }

private:
    // A new paragraph; after a table, the empty one the table leaves behind.
    void startBlock(const QTextBlockFormat &format)
    {
        if (m_afterTable)
            m_cursor.setBlockFormat(format);
        else
            m_cursor.insertBlock(format);
        m_afterTable = false;
    }

    // The cursor goes to the paragraph after the table, which stays a thin gap when another
    // table follows.
    void leaveTable()
    {
        m_cursor.movePosition(QTextCursor::End);
        m_cursor.setBlockCharFormat(textFormat(3));
        m_afterTable = true;
    }

    void part(const Part &part)
    {
        if (!part.subheading.isEmpty()) {
            QTextBlockFormat block;
            block.setTopMargin(6);
            block.setBottomMargin(1);
            startBlock(block);
            m_cursor.insertText(part.subheading, textFormat(kBodyPoints + 0.5, true));
        }
        if (!part.facts.isEmpty())
            facts(part.facts);
        if (part.table)
            table(*part.table);
        if (!part.note.isEmpty()) {
            QTextBlockFormat block;
            block.setTopMargin(3);
            startBlock(block);
            QTextCharFormat format = textFormat();
            format.setFontItalic(true);
            m_cursor.insertText(part.note, format);
        }
    }

    // Labelled values two to a row, without rules.
    void facts(const QList<Fact> &facts)
    {
        const int rows = int(facts.size() + 1) / 2;
        QTextTableFormat format;
        format.setBorder(0);
        format.setCellSpacing(0);
        format.setBottomMargin(10); // a heading's top margin does not count below a table
        format.setCellPadding(1.5);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 23),
                                          QTextLength(QTextLength::PercentageLength, 27),
                                          QTextLength(QTextLength::PercentageLength, 23),
                                          QTextLength(QTextLength::PercentageLength, 27)});
        QTextTable *table = m_cursor.insertTable(rows, 4, format);
        for (int i = 0; i < facts.size(); ++i) {
            const Fact &fact = facts.at(i);
            const int row = i / 2, column = (i % 2) * 2;
            table->cellAt(row, column)
                .firstCursorPosition()
                .insertText(fact.label, textFormat(kBodyPoints, false, kLabelColour));
            table->cellAt(row, column + 1)
                .firstCursorPosition()
                .insertText(fact.value, fact.typed ? typedFormat() : textFormat());
        }
        leaveTable();
    }

    void table(const Table &content)
    {
        const int columns = int(content.header.size());
        QTextTableFormat format;
        format.setBorderCollapse(true);
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(kRuleColour);
        format.setCellSpacing(0);
        format.setBottomMargin(10); // a heading's top margin does not count below a table
        format.setCellPadding(2.5);
        format.setHeaderRowCount(1);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        QTextTable *table = m_cursor.insertTable(int(content.rows.size()) + 1, columns, format);
        for (int column = 0; column < columns; ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextTableCellFormat shade = cell.format().toTableCellFormat();
            shade.setBackground(kHeaderBackground);
            cell.setFormat(shade);
            cell.firstCursorPosition().insertText(content.header.at(column),
                                                  textFormat(kBodyPoints, true));
        }
        for (int row = 0; row < content.rows.size(); ++row) {
            const QStringList &texts = content.rows.at(row);
            for (int column = 0; column < columns && column < texts.size(); ++column) {
                const bool typed = content.typedColumns.contains(column);
                table->cellAt(row + 1, column)
                    .firstCursorPosition()
                    .insertText(texts.at(column), typed ? typedFormat() : textFormat());
            }
        }
        leaveTable();
    }

    QTextCursor m_cursor;
    bool m_afterTable = false;
};

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Sheet)
};

// One page of the sheet: the title (first page) or a continuation line, then `sections`,
// laid out `width` wide on `device`.
std::unique_ptr<QTextDocument> page(const Sheet &sheet, int number, const QList<Section> &sections,
                                    QPagedPaintDevice &device, qreal width)
{
    auto document = std::make_unique<QTextDocument>();
    document->documentLayout()->setPaintDevice(&device);
    QFont font;
    font.setFamilies(sansFamilies());
    font.setPointSizeF(kBodyPoints);
    font.setStyleStrategy(QFont::PreferNoShaping);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    document->setTextWidth(width);
    document->setMetaInformation(QTextDocument::DocumentTitle, sheet.documentTitle);
    document->setUndoRedoEnabled(false);
    {
        // Laid out once, when built: a table laid out again for every text put into it
        // would take most of the time.
        QTextCursor edit(document.get());
        edit.beginEditBlock();
        Builder builder(*document);
        if (number == 1)
            builder.title(sheet);
        else
            builder.continuation(Text::tr("%1 – %2. oldal").arg(sheet.documentTitle).arg(number));
        for (const Section &section : sections)
            builder.section(section);
        edit.endEditBlock();
    }
    return document;
}

// The document's properties as a PDF incremental update: a new information dictionary,
// its cross-reference entry and a trailer that names it, appended to what the writer made
// (Qt's writer has no author of its own). Unchanged when the writer's trailer is not found.
QByteArray withProperties(QByteArray pdf, const Sheet &sheet)
{
    static const QRegularExpression trailer(
        QStringLiteral("trailer\\s*<<\\s*/Size\\s+(\\d+)\\s*/Info\\s+\\d+\\s+0\\s+R\\s*/"
                       "Root\\s+(\\d+)\\s+0\\s+R\\s*"
                       ">>\\s*startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch match = trailer.match(QString::fromLatin1(pdf.right(512)));
    if (!match.hasMatch())
        return pdf;
    auto text = [](const QString &value) {
        QByteArray utf16("FEFF");
        for (QChar c : value)
            utf16 += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
        return '<' + utf16 + '>';
    };
    const int object = match.captured(1).toInt();
    const QByteArray root = match.captured(2).toLatin1();
    const QByteArray previous = match.captured(3).toLatin1();
    if (!pdf.endsWith('\n'))
        pdf += '\n';
    const qsizetype offset = pdf.size();
    pdf += QByteArray::number(object) + " 0 obj\n<<\n/Title " + text(sheet.documentTitle) +
           "\n/Author " + text(sheet.author) + "\n/Creator " + text(sheet.creator) +
           "\n/Producer " + text(QStringLiteral("Qt " QT_VERSION_STR)) + "\n>>\nendobj\n";
    const qsizetype table = pdf.size();
    pdf += "xref\n" + QByteArray::number(object) + " 1\n" +
           QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<<\n/Size " + QByteArray::number(object + 1) + "\n/Info " +
           QByteArray::number(object) + " 0 R\n/Root " + root + " 0 R\n/Prev " + previous +
           "\n>>\nstartxref\n" + QByteArray::number(table) + "\n%%EOF\n";
    return pdf;
}

} // namespace

std::vector<std::unique_ptr<QTextDocument>> layOut(const Sheet &sheet, QPagedPaintDevice &device)
{
    const QSizeF area = device.pageLayout().paintRectPixels(device.logicalDpiY()).size();
    std::vector<std::unique_ptr<QTextDocument>> pages;
    QList<Section> onPage;
    std::unique_ptr<QTextDocument> laid = page(sheet, 1, onPage, device, area.width());
    for (const Section &section : sheet.sections) {
        std::unique_ptr<QTextDocument> more = page(
            sheet, int(pages.size()) + 1, onPage + QList<Section>{section}, device, area.width());
        // A section that does not fit under the ones before starts the next page; one
        // alone on its page stays there, whatever its height.
        if (more->size().height() > area.height() && !onPage.isEmpty()) {
            pages.push_back(std::move(laid));
            onPage = {section};
            laid = page(sheet, int(pages.size()) + 1, onPage, device, area.width());
        } else {
            onPage << section;
            laid = std::move(more);
        }
    }
    pages.push_back(std::move(laid));
    return pages;
}

void print(const Sheet &sheet, QPagedPaintDevice &device)
{
    const std::vector<std::unique_ptr<QTextDocument>> pages = layOut(sheet, device);
    const QSizeF area = device.pageLayout().paintRectPixels(device.logicalDpiY()).size();
    QPainter painter(&device);
    bool first = true;
    for (const std::unique_ptr<QTextDocument> &document : pages) {
        // A page too long for its paper (a single section taller than a page) goes on as
        // many pages as it needs.
        for (qreal top = 0; first || top < document->size().height(); top += area.height()) {
            if (!first)
                device.newPage();
            first = false;
            painter.save();
            painter.translate(0, -top);
            document->drawContents(&painter, QRectF(QPointF(0, top), area));
            painter.restore();
        }
    }
}

QByteArray pdf(const Sheet &sheet)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(sheet.documentTitle);
        writer.setCreator(sheet.creator);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 14, 15, 14), QPageLayout::Millimeter));
        print(sheet, writer);
    }
    return withProperties(bytes, sheet);
}

QString writePdf(const Sheet &sheet, const QString &path)
{
    const QByteArray bytes = pdf(sheet);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return file.errorString();
    return {};
}

} // namespace qv::sheet
