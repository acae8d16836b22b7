// Turns the user manual, kept as Markdown in docs/, into the PDF that the Help menu opens.
//
//   mkmanual <manual.md> <output.pdf>
//
// Only Qt's own text document and PDF writer are used, so the build needs no other tool.
// The PDF is written through a temporary file: a failed run leaves no half-written manual.
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mkmanual <manual.md> <output.pdf>\n");
        return 2;
    }

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

    QSaveFile output(args.at(2));
    if (!output.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "mkmanual: %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(output.errorString()));
        return 1;
    }
    {
        QPdfWriter writer(&output);
        writer.setTitle(
            QStringLiteral("Quorvel / Brastok letöltő szoftver – Felhasználói kézikönyv"));
        writer.setCreator(QStringLiteral("qvconfig mkmanual"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        writer.setResolution(300);
        document.print(&writer);
    }
    if (!output.commit()) {
        std::fprintf(stderr, "mkmanual: %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
