// The main window is legible: every caption shows its whole text in its rectangle,
// measured with the widget's own font and style, on every page and beside the tabs; and
// every field carries the hint of what it accepts. In Hungarian and in English.
#include "app/gui/appfont.h"
#include "app/gui/mainwindow.h"
#include "form/catalogue.h"
#include "form/fieldhints.h"
#include "series/gui/seriescontroller.h"
#include "series/gui/seriesdialog.h"
#include "settings/language.h"
#include "transfer/gui/dload.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextLayout>

using qv::app::gui::MainWindow;

namespace {

// Records a text that needs more room than its widget draws it in.
void fit(QStringList &misfits, const QWidget *w, const QString &text, QSize needed, QSize room)
{
    for (const auto &[direction, need, has] : {std::tuple{"width", needed.width(), room.width()},
                                               {"height", needed.height(), room.height()}}) {
        if (need > has)
            misfits << QStringLiteral("%1 \"%2\": %3 %4 px needed, %5 px available")
                           .arg(w->objectName(), QString(text).replace(u'\n', u'|'),
                                QLatin1StringView(direction))
                           .arg(need)
                           .arg(has);
    }
}

// Lines laid out as QPainter::drawText() does, the block aligned in the contents rectangle.
// Heights count the ink of the first and last line, drawn on baselines snapped to pixels:
// line boxes may overlap the edges where no glyph reaches.
void checkLabel(QStringList &misfits, const QLabel *label)
{
    const QRect room = label->contentsRect();
    const QFontMetricsF fm(label->font());
    QString text = label->text();
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, label->font());
    QTextOption option(label->alignment());
    option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0, width = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->wordWrap() ? room.width() : 1e6);
        line.setPosition({0, height += fm.leading()});
        height += line.height();
        width = qMax(width, line.naturalTextWidth());
    }
    layout.endLayout();
    const qreal offset = label->alignment() & Qt::AlignVCenter ? (room.height() - height) / 2 : 0;
    auto ink = [&](int n) {
        const QTextLine line = layout.lineAt(n);
        return fm.tightBoundingRect(text.mid(line.textStart(), line.textLength()))
            .toAlignedRect()
            .translated(0, qRound(offset + line.y() + line.ascent()));
    };
    const int top = qMin(ink(0).top(), 0);
    const int bottom = qMax(ink(layout.lineCount() - 1).bottom() + 1, room.height());
    fit(misfits, label, label->text(), {qCeil(width), bottom - top}, room.size());
}

// Check boxes, radio and push buttons draw their text in their style's contents element.
void checkButton(QStringList &misfits, const QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    fit(misfits, button, button->text(),
        button->fontMetrics().size(Qt::TextShowMnemonic, button->text()),
        button->style()->subElementRect(contents, &option, button).size());
}

// The title's rectangle is sized for its text: it must end inside the frame.
void checkGroupBox(QStringList &misfits, const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    fit(misfits, box, box->title(), {title.right() + 1 + title.left(), 0}, {box->width(), 0});
}

// Each tab's text fits its text rectangle, and the whole tab lies within the bar.
void checkTabs(QStringList &misfits, const QTabBar *bar)
{
    for (int i = 0; i < bar->count(); ++i) {
        QStyleOptionTab option;
        option.initFrom(bar);
        option.rect = bar->tabRect(i);
        option.text = bar->tabText(i);
        option.shape = bar->shape();
        const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
        fit(misfits, bar, option.text, bar->fontMetrics().size(0, option.text), room.size());
        fit(misfits, bar, option.text, {option.rect.right() + 1, 0}, {bar->width(), 0});
    }
}

QStringList misfitsIn(QWidget *root)
{
    QStringList misfits;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>() << root;
    for (const QWidget *w : widgets) {
        if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty())
            checkLabel(misfits, label);
        else if (const auto *box = qobject_cast<const QCheckBox *>(w);
                 box && !box->text().isEmpty())
            checkButton(misfits, box, QStyle::SE_CheckBoxContents);
        else if (const auto *radio = qobject_cast<const QRadioButton *>(w);
                 radio && !radio->text().isEmpty())
            checkButton(misfits, radio, QStyle::SE_RadioButtonContents);
        else if (const auto *push = qobject_cast<const QPushButton *>(w))
            checkButton(misfits, push, QStyle::SE_PushButtonContents);
        else if (const auto *group = qobject_cast<const QGroupBox *>(w))
            checkGroupBox(misfits, group);
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
    void downloadDialogFits_data();
    void downloadDialogFits();
    void seriesDialogFits_data();
    void seriesDialogFits();
    void everyFieldHasItsHint();
    void cleanup();
};

namespace {

// Each language a row can be drawn in, with its name for the row.
const std::pair<qv::settings::language::Language, const char *> kLanguages[] = {
    {qv::settings::language::Language::Hungarian, "hu"},
    {qv::settings::language::Language::English, "en"},
};

} // namespace

void TestLegibility::initTestCase()
{
    // The face the program is drawn with on Debian: it is measured at least.
    const QFont font = qv::app::gui::interfaceFont(QApplication::font());
    QVERIFY2(QFontDatabase::hasFamily(font.family()),
             qPrintable(font.family() + " is not installed"));
}

// Every installed interface font, on every page and beside the tabs.
void TestLegibility::everyTextFits_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("page"); // tab index; -1 for what lies beside the pages
    QTest::addColumn<qv::settings::language::Language>("language");
    for (const auto &[language, code] : kLanguages) {
        // The Hungarian rows keep their names from before English came.
        const QByteArray suffix = language == qv::settings::language::Language::Hungarian
                                      ? QByteArray()
                                      : QByteArray(", ") + code;
        for (const QFont &font : qv::app::gui::interfaceFonts(QApplication::font())) {
            if (!QFontDatabase::hasFamily(font.family()))
                continue;
            const QByteArray face =
                font.family().toUtf8() + ' ' + QByteArray::number(font.pointSizeF());
            for (const qv::form::Page &page : qv::form::pages())
                QTest::addRow("%s pt, %s%s", face.data(), page.title, suffix.data())
                    << font << int(&page - qv::form::pages().data()) << language;
            QTest::addRow("%s pt, tabs, status panel, device box%s", face.data(), suffix.data())
                << font << -1 << language;
        }
    }
}

void TestLegibility::everyTextFits()
{
    QFETCH(QFont, font);
    QFETCH(int, page);
    QFETCH(qv::settings::language::Language, language);
    qv::settings::language::use(language);
    QApplication::setFont(font);
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *tabs = window.findChild<QTabWidget *>();
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
    QVERIFY2(misfits.isEmpty(), qPrintable(u'\n' + misfits.join(u'\n')));
}

void TestLegibility::downloadDialogFits_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<qv::settings::language::Language>("language");
    for (const auto &[language, code] : kLanguages) {
        const QByteArray suffix = language == qv::settings::language::Language::Hungarian
                                      ? QByteArray()
                                      : QByteArray(", ") + code;
        for (const QFont &font : qv::app::gui::interfaceFonts(QApplication::font())) {
            if (QFontDatabase::hasFamily(font.family()))
                QTest::addRow("%s %g pt%s", qPrintable(font.family()), font.pointSizeF(),
                              suffix.data())
                    << font << language;
        }
    }
}

// The download dialog's captions and check boxes fit, and every widget lies inside it, as it
// shows a port that cannot be opened.
void TestLegibility::downloadDialogFits()
{
    QFETCH(QFont, font);
    QFETCH(qv::settings::language::Language, language);
    qv::settings::language::use(language);
    QApplication::setFont(font);
    qv::settings::devSettings settings;
    settings.Port = QStringLiteral("/nonexistent/qv-port");
    qv::transfer::gui::dload dialog(settings);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTRY_VERIFY(dialog.findChild<QLabel *>(QStringLiteral("openReason"))->isVisible());
    QStringList misfits;
    for (const QWidget *w : dialog.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisible() && !dialog.rect().contains(w->geometry()))
            misfits << w->objectName() + QStringLiteral(" lies outside the dialog");
        if (const auto *box = qobject_cast<const QCheckBox *>(w))
            checkButton(misfits, box, QStyle::SE_CheckBoxContents);
    }
    QVERIFY2(misfits.isEmpty(), qPrintable(u'\n' + misfits.join(u'\n')));
}

void TestLegibility::seriesDialogFits_data()
{
    downloadDialogFits_data();
}

// The series dialog's captions, buttons and prompt fit, as it opens and with a module's
// prompt on its longest line.
void TestLegibility::seriesDialogFits()
{
    QFETCH(QFont, font);
    QFETCH(qv::settings::language::Language, language);
    qv::settings::language::use(language);
    QApplication::setFont(font);
    qv::settings::devSettings settings;
    const qv::transfer::LinkSource link = [&settings] { return qv::transfer::linkOf(settings); };
    qv::series::gui::SeriesController controller(link, settings.Version, {});
    qv::series::gui::SeriesDialog dialog(controller, link);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList misfits = misfitsIn(&dialog);
    emit controller.prompt(QStringLiteral("A csatlakoztatott modul Q_QV3 típusú, a sorozat Q_QV5 "
                                          "típusú modulokhoz készül: ez a modul nem kap sort. "
                                          "Csatlakoztasson Q_QV5 modult.\nVegye le a modult."));
    QCoreApplication::processEvents();
    misfits << misfitsIn(dialog.findChild<QLabel *>(QStringLiteral("seriesPrompt")));
    QVERIFY2(misfits.isEmpty(), qPrintable(u'\n' + misfits.join(u'\n')));
}

// The text pass gives every line edit and matrix check box the hint of its rule.
void TestLegibility::everyFieldHasItsHint()
{
    MainWindow window;
    for (const qv::form::Field &field : qv::form::configurationFields()) {
        if (field.kind == qv::form::Kind::RadioButton)
            continue;
        const QString hint = window.findChild<QWidget *>(field.name)->toolTip();
        QVERIFY2(!hint.isEmpty(), qPrintable(field.name));
        QCOMPARE(hint, qv::form::rules::fieldHint(field.name));
    }
}

void TestLegibility::cleanup()
{
    qv::settings::language::use(qv::settings::language::Language::Hungarian);
}

QTEST_MAIN(TestLegibility)
#include "tst_legibility.moc"
