// The program's language: how it is chosen, and the window, its dialogs and its messages
// speaking it.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "register/entry.h"
#include "settings/language.h"
#include "settings/preferences.h"
#include "transfer/gui/dload.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace Qt::StringLiterals;

using qv::settings::language::Language;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void chooses_data();
    void chooses();
    void windowSpeaks_data();
    void windowSpeaks();
    void cleanup();
};

void TestLanguage::chooses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QStringList>("system");
    QTest::addColumn<Language>("expected");
    const QStringList program{QStringLiteral("qvconfig")};
    const QStringList hu{QStringLiteral("hu-HU")}, en{QStringLiteral("en-US")};
    QTest::newRow("Hungarian system") << program << QString() << hu << Language::Hungarian;
    QTest::newRow("English system") << program << QString() << en << Language::English;
    QTest::newRow("neither: English")
        << program << QString() << QStringList{QStringLiteral("de-DE")} << Language::English;
    QTest::newRow("hu:en finds Hungarian")
        << program << QString() << QStringList{QStringLiteral("hu"), QStringLiteral("en")}
        << Language::Hungarian;
    QTest::newRow("de:hu, the first spoken")
        << program << QString() << QStringList{QStringLiteral("de-AT"), QStringLiteral("hu_HU")}
        << Language::Hungarian;
    QTest::newRow("remembered beats the system") << program << "en" << hu << Language::English;
    QTest::newRow("--lang beats the remembered")
        << program + QStringList{"--lang", "hu"} << "en" << en << Language::Hungarian;
    QTest::newRow("--lang=en") << program + QStringList{"--lang=en"} << "hu" << hu
                               << Language::English;
    QTest::newRow("a command's --lang")
        << program + QStringList{"identify", "--port", "COM3", "--lang", "en"} << QString() << hu
        << Language::English;
    QTest::newRow("unknown --lang: the remembered")
        << program + QStringList{"--lang", "de"} << "en" << hu << Language::English;
    QTest::newRow("--lang without a value")
        << program + QStringList{"--lang"} << QString() << en << Language::English;
    QTest::newRow("after --, a file name")
        << program + QStringList{"--", "--lang", "en"} << QString() << hu << Language::Hungarian;
    QTest::newRow("garbage remembered") << program << "xx" << hu << Language::Hungarian;
    // No language named at all (LANG=C, LC_ALL=POSIX, nothing set): the program's own.
    const QStringList c{QStringLiteral("C")};
    QTest::newRow("C locale: Hungarian") << program << QString() << c << Language::Hungarian;
    QTest::newRow("POSIX locale: Hungarian")
        << program << QString() << QStringList{QStringLiteral("POSIX")} << Language::Hungarian;
    QTest::newRow("nothing at all: Hungarian")
        << program << QString() << QStringList() << Language::Hungarian;
    QTest::newRow("C locale, remembered English") << program << "en" << c << Language::English;
}

void TestLanguage::chooses()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, remembered);
    QFETCH(QStringList, system);
    QFETCH(Language, expected);
    QCOMPARE(qv::settings::language::choose(qv::settings::language::requested(arguments),
                                            remembered, system),
             expected);
    // Restarted after a choice in the menu: no --lang left, file names after "--" kept.
    const QStringList kept = qv::settings::language::withoutRequested(arguments);
    QVERIFY(qv::settings::language::requested(kept).isEmpty());
    if (arguments.contains(u"--"_s))
        QCOMPARE(kept.mid(kept.indexOf(u"--"_s)), arguments.mid(arguments.indexOf(u"--"_s)));
}

// The same places of the window in each language: the window, its menus, the form, the
// status bar, the port dialog, the download dialog, the register window, the register's
// operations and a message.
void TestLanguage::windowSpeaks_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<Language>("other");
    QTest::addColumn<QString>("restartNote");
    QTest::newRow("hu") << Language::Hungarian
                        << QStringList{"Quorvel / Brastok letöltő szoftver",
                                       "Beállítások",
                                       "Eszköz csatlakoztatása",
                                       "Analóg bemenetek",
                                       "Nincs megnyitott fájl.",
                                       "Port beállítások",
                                       "Nyilvántartás",
                                       "Betöltés",
                                       "Ellenőrzés betöltés után",
                                       "Kiolvasás betöltés előtt",
                                       "Mentés betöltés előtt",
                                       "Betöltés"}
                        << Language::English << "A program a következő indításakor vált nyelvet.";
    QTest::newRow("en") << Language::English
                        << QStringList{"Quorvel / Brastok download software",
                                       "Settings",
                                       "Connect device",
                                       "Analog inputs",
                                       "No file open.",
                                       "Port settings",
                                       "Register",
                                       "Download",
                                       "Verify after download",
                                       "Read out before download",
                                       "Backup before download",
                                       "Download"}
                        << Language::Hungarian
                        << "The language changes the next time the program starts.";
}

void TestLanguage::windowSpeaks()
{
    QFETCH(Language, language);
    QFETCH(QStringList, texts);
    QFETCH(Language, other);
    QFETCH(QString, restartNote);
    qv::settings::language::use(language);
    QCOMPARE(QLocale().language(),
             language == Language::English ? QLocale::English : QLocale::Hungarian);

    MainWindow window;
    QStringList shown{window.windowTitle(), widget<QMenu>(window, "menuSettings")->title(),
                      widget<QPushButton>(window, "port_gomb")->text(),
                      widget<QTabWidget>(window, "tabWidget")->tabText(1),
                      widget<QLabel>(window, "fileLabel")->text()};
    ModalWatcher watcher;
    watcher.onDialog(QStringLiteral("setcom"), [&shown](QWidget *w) {
        shown << w->windowTitle();
        static_cast<QDialog *>(w)->reject();
    });
    widget<QAction>(window, "actionPort")->trigger();
    widget<QAction>(window, "actionRegister")->trigger(); // not modal
    shown << widget<QDialog>(window, "registerDialog")->windowTitle();
    qv::settings::devSettings settings;
    settings.Port = QStringLiteral("/nonexistent/qv-port");
    qv::transfer::gui::dload download(settings);
    shown << download.windowTitle()
          << download.findChild<QCheckBox *>(QStringLiteral("cb_verify"))->text()
          << download.findChild<QCheckBox *>(QStringLiteral("cb_backup"))->text();
    // The register's operations as entries stored under their keys read.
    for (const char *key : {"backup", "download"})
        shown << qv::reg::operationText(*qv::reg::operationFromKey(QLatin1String(key)));
    QCOMPARE(shown, texts);

    // The language submenu, the same in both, at the end of the settings menu.
    auto *menu = widget<QMenu>(window, "menuLanguage");
    QCOMPARE(menu->title(), QStringLiteral("Nyelv / Language"));
    QCOMPARE(widget<QMenu>(window, "menuSettings")->actions().constLast(), menu->menuAction());
    auto *hu = widget<QAction>(window, "actionLangHu");
    auto *en = widget<QAction>(window, "actionLangEn");
    QCOMPARE(QStringList({hu->text(), en->text()}), QStringList({"Magyar", "English"}));
    QCOMPARE(en->isChecked(), language == Language::English);
    QCOMPARE(hu->isChecked(), language == Language::Hungarian);

    // Choosing the other language keeps it for the next start and says so, offering to
    // restart now (in the language shown now).
    QStringList buttons;
    watcher.beforeAnswer([&buttons](QMessageBox *box) {
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
    });
    (other == Language::English ? en : hu)->trigger();
    QVERIFY(watcher.waitForBoxes(1));
    QCOMPARE(watcher.last().text, restartNote);
    QVERIFY2(
        buttons.contains(language == Language::English ? u"Restart now"_s : u"Újraindítás most"_s),
        qPrintable(buttons.join(u'|')));
    QCOMPARE(qv::settings::preferences::language(), qv::settings::language::code(other));
}

void TestLanguage::cleanup()
{
    qv::settings::language::use(Language::Hungarian);
    qv::settings::preferences::setLanguage({});
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
