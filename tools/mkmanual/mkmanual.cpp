// Turns the user manual, kept as Markdown in docs/, into the PDF that the Help menu opens.
//
//   mkmanual <manual.md> <output.pdf> [title]
//
// The title goes into the PDF's properties; without one it is the Hungarian manual's.
//
// Only Qt's own text document and PDF writer are used, so the build needs no other tool.
// The PDF is written through a temporary file: a failed run leaves no half-written manual.
//
// The same source gives the same PDF, byte for byte: the creation date is taken from
// SOURCE_DATE_EPOCH (seconds since 1970, as Debian's package build sets it) or else is a
// fixed date, and the fonts are written in a fixed order.
#include <QBuffer>
#include <QColor>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cstdio>
#include <optional>

namespace {

// The creation date written into the manual; nullopt when SOURCE_DATE_EPOCH is set but
// is not a number of seconds.
std::optional<QDateTime> creationDate()
{
    const QByteArray epoch = qgetenv("SOURCE_DATE_EPOCH");
    if (epoch.isEmpty())
        return QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    bool ok = false;
    const qint64 seconds = epoch.toLongLong(&ok);
    if (!ok || seconds < 0 || seconds > 253402300799) // up to the end of year 9999
        return std::nullopt;
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

// Puts `date` in place of the creation date the PDF writer took from the clock. The new
// entry is never longer (the writer's may carry a time-zone offset, this one is in UTC);
// spaces after it keep every byte offset in the cross-reference table valid.
bool replaceCreationDate(QByteArray &pdf, const QDateTime &date)
{
    static const QRegularExpression entry(QStringLiteral("/CreationDate \\(D:[0-9+\\-Z']+\\)"));
    const QRegularExpressionMatch match = entry.match(QString::fromLatin1(pdf.left(4096)));
    if (!match.hasMatch())
        return false;
    QByteArray replacement =
        "/CreationDate (D:" + date.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z)";
    if (replacement.size() > match.capturedLength())
        return false;
    replacement.append(QByteArray(match.capturedLength() - replacement.size(), ' '));
    pdf.replace(match.capturedStart(), match.capturedLength(), replacement);
    return true;
}

// Code (inline, and blocks of it) is set in DejaVu Sans Mono, not in whatever monospace
// font the builder's system prefers, so that every builder makes the same manual.
void setCodeFont(QTextDocument &document)
{
    const QStringList systemMono = QFontDatabase::systemFont(QFontDatabase::FixedFont).families();
    auto isCode = [&](const QTextCharFormat &format) {
        return format.fontFixedPitch() || format.fontFamilies().toStringList() == systemMono;
    };
    auto toMono = [](QTextCharFormat format) {
        // The importer may name the font both ways; only the family list stays.
        format.clearProperty(QTextFormat::FontFamily);
        format.setFontFamilies({QStringLiteral("DejaVu Sans Mono")});
        return format;
    };
    struct Span
    {
        int position;
        int length;
        QTextCharFormat format;
    };
    QList<Span> spans;
    QList<std::pair<int, QTextCharFormat>> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (isCode(block.charFormat()))
            blocks.append({block.position(), toMono(block.charFormat())});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (isCode(fragment.charFormat()))
                spans.append(
                    {fragment.position(), fragment.length(), toMono(fragment.charFormat())});
        }
    }
    QTextCursor cursor(&document);
    for (const auto &[position, format] : blocks) {
        cursor.setPosition(position);
        cursor.setBlockCharFormat(format);
    }
    for (const Span &span : spans) {
        cursor.setPosition(span.position);
        cursor.setPosition(span.position + span.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(span.format);
    }
}

// Pictures are named beside the manual's source. They go into the document itself: printing
// works on a copy of the document, which keeps its resources but not where to find more.
// Each is drawn no larger than fits the text of a page (in pixels of 96 to the inch), so
// that it is never cut at a page's end.
bool addPictures(QTextDocument &document, const QString &folder)
{
    const QSizeF largest(450, 620);
    struct Picture
    {
        int position;
        int length;
        QTextImageFormat format;
    };
    QList<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QString name = format.name();
            const QImage picture(folder + QLatin1Char('/') + name);
            if (picture.isNull()) {
                std::fprintf(stderr, "mkmanual: %s: no such picture in %s\n", qPrintable(name),
                             qPrintable(folder));
                return false;
            }
            document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
            const QSizeF size = QSizeF(picture.size()).scaled(largest, Qt::KeepAspectRatio);
            format.setWidth(std::min<qreal>(size.width(), picture.width()));
            format.setHeight(std::min<qreal>(size.height(), picture.height()));
            pictures.append({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Picture &picture : pictures) {
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts are kept in a hash while the PDF is written: a fixed seed fixes their order.
    QHashSeed::setDeterministicGlobalSeed();
    // The writer's own date then ends in "Z" everywhere, so the replacement below needs
    // no padding that would depend on the builder's time zone.
    qputenv("TZ", "UTC");
    const std::optional<QDateTime> created = creationDate();
    if (!created) {
        std::fprintf(stderr, "mkmanual: SOURCE_DATE_EPOCH is not a number of seconds: %s\n",
                     qgetenv("SOURCE_DATE_EPOCH").constData());
        return 1;
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3 && args.size() != 4) {
        std::fprintf(stderr, "usage: mkmanual <manual.md> <output.pdf> [title]\n");
        return 2;
    }
    const QString title =
        args.size() == 4
            ? args.at(3)
            : QStringLiteral("Quorvel / Brastok letöltő szoftver – Felhasználói kézikönyv");

    QFile source(args.at(1));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "mkmanual: %s: %s\n", qPrintable(args.at(1)),
                     qPrintable(source.errorString()));
        return 1;
    }
    const QString markdown = QString::fromUtf8(source.readAll());
    if (markdown.trimmed().isEmpty()) {
        std::fprintf(stderr, "mkmanual: %s is empty\n", qPrintable(args.at(1)));
        return 1;
    }

    QTextDocument document;
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    setCodeFont(document);
    if (!addPictures(document, QFileInfo(args.at(1)).absolutePath()))
        return 1;
    // Tables with single rules and a little air in the cells.
    for (QTextFrame *frame : document.rootFrame()->childFrames()) {
        if (auto *table = qobject_cast<QTextTable *>(frame)) {
            QTextTableFormat format = table->format();
            format.setBorderCollapse(true);
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(QColor(140, 140, 140));
            format.setCellSpacing(0);
            format.setCellPadding(3);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            table->setFormat(format);
        }
    }

    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("qvconfig mkmanual"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        writer.setResolution(300);
        document.print(&writer);
    }
    if (!replaceCreationDate(pdf, *created)) {
        std::fprintf(stderr, "mkmanual: the PDF writer wrote no creation date to replace\n");
        return 1;
    }

    QSaveFile output(args.at(2));
    if (!output.open(QIODevice::WriteOnly) || output.write(pdf) != pdf.size()) {
        std::fprintf(stderr, "mkmanual: %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(output.errorString()));
        return 1;
    }
    if (!output.commit()) {
        std::fprintf(stderr, "mkmanual: %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
