// The customer's sheet: what it says of a configuration for each model (on the document's
// text), what it refuses, how its sections fall on pages, and "qvconfig sheet" as a script
// runs it, its PDF read back with pdftotext.
#include "files/configformat.h"
#include "form/catalogue.h"
#include "settings/datafiles.h"
#include "settings/devsettings.h"
#include "settings/language.h"
#include "settings/preferences.h"
#include "sheet/content.h"
#include "sheet/document.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using Changes = QList<std::pair<QString, QString>>;
using qv::settings::language::Language;

namespace {

// The defaults file's values with `changes` in place; a ring-in button switched on switches
// the others of its entry off.
QStringList configuration(const Changes &changes = {})
{
    QFile file(qv::settings::locateDataFile(QStringLiteral("defval_qv.dll")));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no defaults file");
    QStringList values = qv::files::readConfig(file).values;
    const QList<qv::form::Field> &fields = qv::form::configurationFields();
    auto set = [&](const QString &name, const QString &value) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (fields.at(i).name == name)
                values[i] = value;
        }
    };
    for (const auto &[name, value] : changes) {
        if (name.startsWith(u'r') && name.contains(u'_') && value == u"1") {
            for (int output = 0; output <= 4; ++output)
                set(name.section(u'_', 0, 0) + u'_' + QString::number(output), QStringLiteral("0"));
        }
        set(name, value);
    }
    return values;
}

// Eight numbers, each told of every alarm by SMS and call and switching an output.
Changes everyNumber()
{
    Changes c{{QStringLiteral("m_pin"), QStringLiteral("4821")}};
    for (int k = 1; k <= 8; ++k) {
        c << std::pair{QStringLiteral("t%1").arg(k), QStringLiteral("3620000000%1").arg(k)}
          << std::pair{QStringLiteral("r%1_%2").arg(k).arg((k - 1) % 4 + 1), QStringLiteral("1")};
        for (const char *box : {"tc4_%1", "tc3_%1", "tc2_%1", "tc1_%1", "cb_r_%1", "cb_s_%1"})
            c << std::pair{QString::fromLatin1(box).arg(k), QStringLiteral("1")};
    }
    return c;
}

qv::sheet::Source source(int model, const Changes &changes = {}, bool withPin = false)
{
    qv::sheet::Source s;
    s.values = configuration(changes);
    s.model = model;
    s.withPin = withPin;
    s.site = QStringLiteral("Kovács Kft., Pince u. 3.");
    s.programVersion = QStringLiteral("1.31");
    return s;
}

// The sheet's document text as laid out on A4 pages, and how many pages.
std::pair<QString, int> laidOut(const qv::sheet::Source &s)
{
    const qv::sheet::Made made = qv::sheet::makeSheet(s);
    if (!made.sheet)
        return {QStringLiteral("refused: ") + made.reason, 0};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    QString text;
    const auto pages = qv::sheet::layOut(*made.sheet, writer);
    for (const auto &page : pages)
        text += page->toPlainText() + u'\n';
    return {text, int(pages.size())};
}

QString run(const QString &program, const QStringList &arguments, int *status = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(20000);
    if (status)
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAll());
}

} // namespace

class TestSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qv::settings::language::use(Language::Hungarian); }
    void content_data();
    void content();
    void refused_data();
    void refused();
    void modelOfAFile();
    void pages();
    void command_data();
    void command();
    void pdfInBothLanguages();
};

void TestSheet::content_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<bool>("withPin");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    const Changes oneNumber{{"t1", "36201234567"}, {"tc4_1", "1"},  {"tc2_1", "1"},
                            {"tc1_14", "1"},       {"cb_s_1", "1"}, {"r1_3", "1"},
                            {"m_pin", "4821"}};
    QTest::newRow("Q_QV5: every input and output, a number's rights, no PIN")
        << int(qv::settings::ModelQV5) << oneNumber << false
        << QStringList{"Q_QV5",
                       "+36201234567\n3. kimenet\n1. bemenet (BEMENET 1), 3. bemenet "
                       "(BEMENET 3), analóg bemenet (ANALOG BEMENET)\nSMS",
                       "4. kimenet\nKIMENET 4 BE\nKIMENET 4 KI",
                       "4. bemenet\nBEMENET 4",
                       "12,0 V",
                       "SZAMLALO TELE",
                       "PIN-kód\nnem szerepel ezen a lapon",
                       "+36309888000 (T-Mobile)",
                       "5 másodperc",
                       "legfeljebb 10 SMS 2 óra alatt",
                       "Bemenet visszaállás\nbekapcsolva",
                       "Kovács Kft., Pince u. 3."}
        << QStringList{"4821", "visszaallas", "rele_time", "tc4_1"};
    QTest::newRow("Q_QV3: no inputs 3-4 or outputs 3-4, the output 3 ring gone, PIN as sent")
        << int(qv::settings::ModelQV3) << oneNumber + Changes{{"m_pin", "7"}} << true
        << QStringList{"Q_QV3", "+36201234567\n–\n1. bemenet (BEMENET 1), analóg bemenet",
                       "2. kimenet\nKIMENET 2 BE", "ANALOG MAGAS", "PIN-kód\n0007"}
        << QStringList{"BEMENET 3", "3. kimenet", "KIMENET 3", "4. bemenet", "nem szerepel"};
    QTest::newRow("Q_BRK2: one output, no analogue input or counter")
        << int(qv::settings::ModelBRK2) << oneNumber << false
        << QStringList{"Q_BRK2", "+36201234567\n–\n1. bemenet (BEMENET 1)\nSMS",
                       "1. kimenet\nKIMENET 1 BE", "BEMENET 2 KI"}
        << QStringList{"ANALOG", "SZAMLALO", "Számláló", "2. kimenet", "KIMENET 2", "analóg"};
    QTest::newRow("empty fields left out, no alarm source means no notice")
        << int(qv::settings::ModelQV5)
        << Changes{{"be2_nev", ""}, {"be2_on_msg", ""},    {"be2_off_msg", ""}, {"maxsms", ""},
                   {"m_pin", ""},   {"t2", "36301112222"}, {"cb_s_2", "1"},     {"r2_0", "1"}}
        << false << QStringList{"+36301112222\n–\n–\n–"}
        << QStringList{"2. bemenet", "SMS-korlát", "PIN-kód"};
    QTest::newRow("texts are text, never markup")
        << int(qv::settings::ModelQV5)
        << Changes{{"m_nev", "<b>KAPU</b>&amp;"}, {"act_be", "<i>BE"}} << false
        << QStringList{"<b>KAPU</b>&amp; (0001)", "<i>BE"} << QStringList{};
}

void TestSheet::content()
{
    QFETCH(int, model);
    QFETCH(Changes, changes);
    QFETCH(bool, withPin);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const QString text = laidOut(source(model, changes, withPin)).first;
    for (const QString &expected : present)
        QVERIFY2(text.contains(expected),
                 qPrintable(expected + QStringLiteral("\nnot in:\n") + text));
    for (const QString &unexpected : absent)
        QVERIFY2(!text.contains(unexpected),
                 qPrintable(unexpected + QStringLiteral("\nin:\n") + text));
}

void TestSheet::refused_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<Changes>("changes");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("reason");
    QTest::newRow("accented name")
        << int(qv::settings::ModelQV5) << Changes{{"m_nev", "KAPUÉ"}} << "m_nev"
        << "Modul neve: Ékezetek nem használhatóak!";
    QTest::newRow("letter in a number")
        << int(qv::settings::ModelQV5) << Changes{{"t3", "3620a"}} << "t3"
        << "3. telefonszám: Csak valós telefonszámok";
    QTest::newRow("separator in a text")
        << int(qv::settings::ModelQV3) << Changes{{"ki2_off", "KI|BE"}} << "ki2_off"
        << "„|” karaktert";
    QTest::newRow("level above the range")
        << int(qv::settings::ModelQV5) << Changes{{"abe1_hi", "16"}} << "abe1_hi"
        << "maximum 15.0 V";
    // A text the model lacks is not on the sheet, so it is not checked either.
    QTest::newRow("input 3 of a Q_QV3 not checked")
        << int(qv::settings::ModelQV3) << Changes{{"be3_nev", "É"}} << QString() << QString();
}

void TestSheet::refused()
{
    QFETCH(int, model);
    QFETCH(Changes, changes);
    QFETCH(QString, field);
    QFETCH(QString, reason);
    const qv::sheet::Made made = qv::sheet::makeSheet(source(model, changes));
    QCOMPARE(made.sheet.has_value(), field.isEmpty());
    QCOMPARE(made.field, field);
    QVERIFY2(made.reason.contains(reason), qPrintable(made.reason));
}

void TestSheet::modelOfAFile()
{
    const Changes noInputs34{{"be3_nev", ""},    {"be4_nev", ""},     {"be3_on_msg", ""},
                             {"be4_on_msg", ""}, {"be3_off_msg", ""}, {"be4_off_msg", ""},
                             {"ki3_on", ""},     {"ki4_on", ""},      {"ki3_off", ""},
                             {"ki4_off", ""}};
    QCOMPARE(qv::sheet::modelOf(configuration()), int(qv::settings::ModelQV5));
    QCOMPARE(qv::sheet::modelOf(configuration(noInputs34)), int(qv::settings::ModelQV3));
    Changes brk2 = noInputs34 + Changes{{"ki2_on", ""}, {"ki2_off", ""}};
    for (const QString &name : qv::form::names("g_analog", qv::form::Kind::LineEdit))
        brk2 << std::pair{name, QString()};
    QCOMPARE(qv::sheet::modelOf(configuration(brk2)), int(qv::settings::ModelBRK2));
    QCOMPARE(qv::sheet::modelOf(configuration(brk2 + Changes{{"r5_2", "1"}})),
             int(qv::settings::ModelQV3));
    QCOMPARE(qv::sheet::modelOf(configuration(brk2 + Changes{{"tc2_1", "1"}})),
             int(qv::settings::ModelQV5));
}

// A typical module on one page; a full one breaks between sections, each whole on a page.
void TestSheet::pages()
{
    QCOMPARE(laidOut(source(qv::settings::ModelQV5, everyNumber().mid(0, 25))).second, 1);
    qv::sheet::Source full = source(qv::settings::ModelQV5, everyNumber(), true);
    full.site = QString(120, u'W');
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.pdf"));
    QCOMPARE(qv::sheet::writePdf(*qv::sheet::makeSheet(full).sheet, path), QString());
    QStringList pages;
    for (int page = 1; page <= 2; ++page)
        pages << run(QStringLiteral("pdftotext"),
                     {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                      QString::number(page), path, QStringLiteral("-")});
    QVERIFY2(!pages.at(1).trimmed().isEmpty(), "a full configuration fits one page");
    // Each section's heading and its last line on the same page.
    const std::pair<const char *, const char *> sections[] = {
        {"A modul", "qvconfig 1.31"},
        {"Jogosult telefonszámok", "+36200000008"},
        {"SMS-parancsok", "SMS-központ"},
        {"Bemenetek", "SZAMLALO TELE"},
        {"Működés", "Bemenet visszaállás"}};
    for (const auto &[heading, last] : sections) {
        const int page = pages.at(0).contains(QString::fromUtf8(heading)) ? 0 : 1;
        QVERIFY2(pages.at(page).contains(QString::fromUtf8(last)), heading);
    }
}

void TestSheet::command_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("written");
    QTest::newRow("done") << QStringList{"alap.msw", "-o", "lap.pdf"} << 0 << "Ügyféllap: lap.pdf"
                          << true;
    QTest::newRow("no -o") << QStringList{"alap.msw"} << 1 << "-o LAP.pdf" << false;
    QTest::newRow("-o names the input")
        << QStringList{"alap.msw", "-o", "./sub/../alap.msw"} << 1 << "felülírná" << false;
    QTest::newRow("refused") << QStringList{"hibas.msw", "-o", "lap.pdf"} << 1
                             << "Modul neve: Ékezetek nem használhatóak!" << false;
    QTest::newRow("no such file") << QStringList{"nincs.msw", "-o", "lap.pdf"} << 1
                                  << "nincs.msw fájl nem olvasható" << false;
    QTest::newRow("unwritable output")
        << QStringList{"alap.msw", "-o", "alap.msw/lap.pdf"} << 4 << "nem menthető" << false;
    QTest::newRow("a port") << QStringList{"alap.msw", "-o", "lap.pdf", "--port", "COM2"} << 1
                            << "nem használ portot" << false;
    QTest::newRow("site too long")
        << QStringList{"alap.msw", "-o", "lap.pdf", "--site", QString(121, u'x')} << 1
        << "120 karakter" << false;
}

void TestSheet::command()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(bool, written);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    QDir().mkdir(QStringLiteral("sub"));
    QVERIFY(qv::files::saveConfig(QStringLiteral("alap.msw"), configuration()).isEmpty());
    QVERIFY(qv::files::saveConfig(QStringLiteral("hibas.msw"), configuration({{"m_nev", "KAPUÉ"}}))
                .isEmpty());
    const QByteArray before = [] {
        QFile f(QStringLiteral("alap.msw"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    int exit = -1;
    const QString output = run(QCoreApplication::applicationDirPath() + QStringLiteral("/qvconfig"),
                               QStringList{QStringLiteral("sheet")} + arguments, &exit);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QVERIFY2(output.contains(message), qPrintable(output));
    QCOMPARE(exit, status);
    QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("lap.pdf"))), written);
    QFile input(dir.filePath(QStringLiteral("alap.msw")));
    QVERIFY(input.open(QIODevice::ReadOnly));
    QCOMPARE(input.readAll(), before);
    // QSaveFile's temporary files do not stay behind either.
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files).size(),
             written ? 1 : 0);
}

// The PDF read back as text: the numbers, the SMS texts and the headings in the language the
// command was given, the technician as its author, every font embedded.
void TestSheet::pdfInBothLanguages()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("alap.msw"));
    QVERIFY(qv::files::saveConfig(file, configuration(everyNumber().mid(0, 25))).isEmpty());
    qv::settings::preferences::setTechnician(QStringLiteral("Kiss Anna"));
    const std::pair<const char *, QStringList> languages[] = {
        {"hu", {"Ügyféllap", "Jogosult telefonszámok", "SMS-parancsok", "Bemenetek", "Működés"}},
        {"en",
         {"Customer sheet", "Authorised telephone numbers", "SMS commands", "Inputs",
          "Behaviour"}}};
    for (const auto &[language, headings] : languages) {
        const QString pdf = dir.filePath(QStringLiteral("lap-%1.pdf").arg(language));
        int status = -1;
        run(QCoreApplication::applicationDirPath() + QStringLiteral("/qvconfig"),
            {QStringLiteral("sheet"), file, QStringLiteral("-o"), pdf, QStringLiteral("--lang"),
             QLatin1String(language)},
            &status);
        QCOMPARE(status, 0);
        const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        for (const QString &expected :
             headings + QStringList{"+36200000001", "+36200000003", "KIMENET 2 BE", "RIASZTAS KI",
                                    "BEMENET 4 KI", "ANALOG ALACSONY"})
            QVERIFY2(text.contains(expected),
                     qPrintable(expected + QStringLiteral("\nnot in:\n") + text));
        QVERIFY(!text.contains(QLatin1String("+36200000004")));
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QLatin1String("Author:          Kiss Anna")), qPrintable(info));
        QVERIFY2(info.contains(QLatin1String("Title:           ")), qPrintable(info));
        const QStringList fonts = run(QStringLiteral("pdffonts"), {pdf}).split(u'\n').mid(2);
        for (const QString &font : fonts)
            QVERIFY2(font.isEmpty() || font.contains(QLatin1String(" yes ")), qPrintable(font));
    }
}

QTEST_MAIN(TestSheet)
#include "tst_sheet.moc"
