// The main window is legible: every caption shows its whole text in its rectangle,
// measured with the widget's own font and style, on every page and beside the tabs.
#include "app/appfont.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextLayout>
#include <QtMath>

namespace {

// A text that needs more room than it has, in one direction.
QString misfit(const QWidget *w, const QString &text, const char *direction, int needed,
               int available, const QString &note)
{
    return QStringLiteral("%1 \"%2\": %3 %4 px needed, %5 px available%6")
        .arg(w->objectName(), QString(text).replace(u'\n', QStringLiteral("\\n")),
             QLatin1StringView(direction))
        .arg(needed)
        .arg(available)
        .arg(note);
}

// Compares the room a text needs with the room its widget draws it in.
void fit(QStringList &misfits, const QWidget *w, const QString &text, QSize needed, QSize available,
         const QString &note = {})
{
    if (needed.width() > available.width())
        misfits << misfit(w, text, "width", needed.width(), available.width(), note);
    if (needed.height() > available.height())
        misfits << misfit(w, text, "height", needed.height(), available.height(), note);
}

// A label draws its text as QPainter::drawText() does: lines laid out in its contents
// rectangle (wrapped at its width when it wraps words), the block aligned as a whole.
// Widths are the lines' advances; heights are the ink of the first and the last line,
// since the font's line boxes may overlap the edges where no glyph reaches.
void checkLabel(QStringList &misfits, const QLabel *label)
{
    if (label->text().isEmpty() || !label->pixmap().isNull())
        return;
    QRect area = label->contentsRect();
    area.adjust(label->margin(), label->margin(), -label->margin(), -label->margin());
    const QFontMetricsF fm(label->font());
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? qRound(fm.horizontalAdvance(u'x') / 2) : 0;
    area.setWidth(area.width() - indent);

    QString text = label->text();
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, label->font());
    QTextOption option(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0, width = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->wordWrap() ? area.width() : 1e6);
        height += fm.leading();
        line.setPosition({0, height});
        height += line.height();
        width = qMax(width, line.naturalTextWidth());
    }
    layout.endLayout();
    if (layout.lineCount() == 0)
        return;

    qreal offset = 0; // of the block from the top of the area
    if (label->alignment() & Qt::AlignVCenter)
        offset = (area.height() - height) / 2;
    else if (label->alignment() & Qt::AlignBottom)
        offset = area.height() - height;
    // Glyphs are drawn on a baseline snapped to the pixel grid.
    auto ink = [&](int n) {
        const QTextLine line = layout.lineAt(n);
        const QRect glyphs =
            fm.tightBoundingRect(text.mid(line.textStart(), line.textLength())).toAlignedRect();
        return glyphs.translated(0, qRound(offset + line.y() + line.ascent()));
    };
    const int top = qMin(ink(0).top(), 0);
    const int bottom = qMax(ink(layout.lineCount() - 1).bottom() + 1, area.height());
    const int lines = label->text().count(u'\n') + 1;
    fit(misfits, label, label->text(), {qCeil(width), bottom - top}, area.size(),
        layout.lineCount() > lines
            ? QStringLiteral(", wrapped into %1 lines").arg(layout.lineCount())
            : QString());
}

// A check box or radio button draws its text beside the indicator, in the contents
// element of its style.
void checkButtonText(QStringList &misfits, const QAbstractButton *button,
                     QStyle::SubElement contents)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect area = button->style()->subElementRect(contents, &option, button);
    fit(misfits, button, button->text(),
        button->fontMetrics().size(Qt::TextShowMnemonic, button->text()), area.size());
}

void checkGroupBox(QStringList &misfits, const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QStyle *style = box->style();
    const QRect frame =
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, box);
    const QRect title =
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The title's rectangle is sized for its text: it must end inside the frame,
    // as far from its right edge as it starts from the left one.
    const int needed = title.right() + 1 + (title.left() - frame.left()) - frame.left();
    fit(misfits, box, box->title(), {needed, 0}, {frame.width(), 0});
}

void checkComboBox(QStringList &misfits, const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect area = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, combo);
    for (int i = 0; i < combo->count(); ++i) {
        const QString text = combo->itemText(i);
        fit(misfits, combo, text, combo->fontMetrics().size(0, text), area.size());
    }
}

void checkTabs(QStringList &misfits, const QTabBar *bar)
{
    for (int i = 0; i < bar->count(); ++i) {
        QStyleOptionTab option;
        option.initFrom(bar);
        option.rect = bar->tabRect(i);
        option.text = bar->tabText(i);
        option.shape = bar->shape();
        const QRect area = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
        const QString text = bar->tabText(i);
        fit(misfits, bar, text, bar->fontMetrics().size(Qt::TextShowMnemonic, text), area.size());
        // The whole tab is shown, with no scroll buttons or elided neighbours.
        fit(misfits, bar, text, {option.rect.right() + 1, 0}, {bar->width(), 0});
    }
}

// Every caption inside `root` that does not fit.
QStringList misfitsIn(const QWidget *root)
{
    QStringList misfits;
    QList<const QWidget *> widgets{root};
    for (const QWidget *w : root->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        if (const auto *label = qobject_cast<const QLabel *>(w))
            checkLabel(misfits, label);
        else if (const auto *check = qobject_cast<const QCheckBox *>(w))
            checkButtonText(misfits, check, QStyle::SE_CheckBoxContents);
        else if (const auto *radio = qobject_cast<const QRadioButton *>(w))
            checkButtonText(misfits, radio, QStyle::SE_RadioButtonContents);
        else if (const auto *push = qobject_cast<const QPushButton *>(w))
            checkButtonText(misfits, push, QStyle::SE_PushButtonContents);
        else if (const auto *box = qobject_cast<const QGroupBox *>(w))
            checkGroupBox(misfits, box);
        else if (const auto *combo = qobject_cast<const QComboBox *>(w))
            checkComboBox(misfits, combo);
    }
    return misfits;
}

} // namespace

class TestLegibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextFits_data();
    void everyTextFits();
};

void TestLegibility::initTestCase()
{
    // The face the program is drawn with on Debian: measure that one at least.
    const QFont font = qv::interfaceFont(QApplication::font());
    QVERIFY2(QFontDatabase::hasFamily(font.families().constFirst()),
             qPrintable(font.families().constFirst() + QStringLiteral(" is not installed")));
    QCOMPARE(font, qv::interfaceFonts(QApplication::font()).constFirst());
}

// Every installed interface font, on every page and beside the tabs.
void TestLegibility::everyTextFits_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("page"); // tab index; -1 for what lies beside the tabs
    const QStringList pages{"Általános", "Analóg bemenetek", "Digitális bemenetek", "Kimenetek"};
    for (const QFont &font : qv::interfaceFonts(QApplication::font())) {
        if (!QFontDatabase::hasFamily(font.families().constFirst()))
            continue;
        const QString face =
            QStringLiteral("%1 %2 pt").arg(font.families().constFirst()).arg(font.pointSizeF());
        for (int page = 0; page < pages.size(); ++page)
            QTest::addRow("%s, %s", qPrintable(face), qPrintable(pages.at(page))) << font << page;
        QTest::addRow("%s, tabs, status panel, device box", qPrintable(face)) << font << -1;
    }
}

void TestLegibility::everyTextFits()
{
    QFETCH(QFont, font);
    QFETCH(int, page);
    QApplication::setFont(font);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    QVERIFY(tabs);

    QStringList misfits;
    if (page >= 0) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents();
        misfits = misfitsIn(tabs->widget(page));
    } else {
        checkTabs(misfits, tabs->tabBar());
        for (const char *box : {"g_allapot", "g_eszkoz"})
            misfits << misfitsIn(window.findChild<QGroupBox *>(QLatin1StringView(box)));
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(QLatin1Char('\n') + misfits.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
