// Field rules of the form: character classes, group checks in order, paddings,
// analogue levels, SMS-centre operators; and the model and matrix tables.
#include "form/deviceprofile.h"
#include "form/fieldrules.h"
#include "settings/devsettings.h"

#include <QTest>

using namespace qv::form::rules;

Q_DECLARE_METATYPE(qv::form::rules::CharClass)
Q_DECLARE_METATYPE(qv::form::rules::Group)
Q_DECLARE_METATYPE(qv::form::rules::Problem)
Q_DECLARE_METATYPE(qv::form::rules::AnalogRange)

namespace {

using Texts = QList<std::pair<QString, QString>>; // name, text

const QStringList kGeneral{"smsplus", "smskp",       "m_pin",     "m_id",
                           "m_nev",   "visszaallas", "rele_time", "maxsms"};
const QStringList kAnalog{"be_a1_nev",   "be_a2_nev",   "abe1_hi_msg", "abe1_vissza",
                          "abe1_lo_msg", "abe1_hi",     "abe1_hi_2",   "abe1_lo",
                          "abe1_lo_2",   "abe2_hi_msg", "abe2_hi",     "abe2_clr"};
const QStringList kTelephones{"t1", "t2", "t3", "tplus_1", "tplus_2", "tplus_3"};
const QStringList kInputs{"be1_nev", "be2_nev", "be1_on_msg"};

QStringList namesOf(Group group)
{
    switch (group) {
    case Group::General:
        return kGeneral;
    case Group::Analog:
        return kAnalog;
    case Group::Telephones:
        return kTelephones;
    default:
        return kInputs;
    }
}

// The group's fields with the given texts; fields not named get a valid default.
QList<Field> fieldsOf(Group group, const QHash<QString, QString> &texts)
{
    QList<Field> fields;
    for (const QString &name : namesOf(group)) {
        const QString fallback = name.startsWith(QLatin1String("tplus")) || name == "smsplus"
                                     ? QStringLiteral("+")
                                     : QString();
        fields.append({name, texts.value(name, fallback)});
    }
    return fields;
}

} // namespace

class TestFieldRules : public QObject
{
    Q_OBJECT

private slots:
    void charClasses_data();
    void charClasses();
    void groupCheck_data();
    void groupCheck();
    void everyProblemHasItsWarning();
    void normalisation_data();
    void normalisation();
    void operators_data();
    void operators();
    void matrixTags_data();
    void matrixTags();
    void ringButtons_data();
    void ringButtons();
    void modelProfiles();
};

void TestFieldRules::charClasses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CharClass>("cls");
    QTest::addColumn<bool>("passes");

    QTest::newRow("empty plain") << "" << CharClass::Plain << true;
    QTest::newRow("empty number") << "" << CharClass::Number << true;
    QTest::newRow("empty phone") << "" << CharClass::Phone << true;
    QTest::newRow("ASCII plain") << "QV MODUL ~!{}" << CharClass::Plain << true;
    QTest::newRow("DEL is plain") << QString(QChar(127)) << CharClass::Plain << true;
    QTest::newRow("code 1 is plain") << QString(QChar(1)) << CharClass::Plain << true;
    QTest::newRow("NUL is not plain") << QString(QChar(0)) << CharClass::Plain << false;
    QTest::newRow("accent not plain") << QStringLiteral("Kapu é") << CharClass::Plain << false;
    QTest::newRow("code 128 not plain") << QString(QChar(128)) << CharClass::Plain << false;
    QTest::newRow("emoji not plain") << QStringLiteral("\U0001F600") << CharClass::Plain << false;
    QTest::newRow("digits and blanks") << "12 34" << CharClass::Number << true;
    QTest::newRow("letter in number") << "12a4" << CharClass::Number << false;
    QTest::newRow("plus in number") << "+36" << CharClass::Number << false;
    QTest::newRow("tab in number") << "1\t2" << CharClass::Number << false;
    QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0663") << CharClass::Number << false;
    QTest::newRow("fullwidth digit") << QStringLiteral("\uFF11") << CharClass::Phone << false;
    QTest::newRow("phone with plus") << "+36 30 988 8000" << CharClass::Phone << true;
    QTest::newRow("phone with dash") << "36-30" << CharClass::Phone << false;
}

void TestFieldRules::charClasses()
{
    QFETCH(QString, text);
    QFETCH(CharClass, cls);
    QFETCH(bool, passes);
    QCOMPARE(inClass(text, cls), passes);
}

void TestFieldRules::groupCheck_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<AnalogRange>("range");
    QTest::addColumn<Texts>("before");
    QTest::addColumn<Texts>("after");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("focus");

    const auto v15 = AnalogRange::Volts15, v30 = AnalogRange::Volts30;
    const auto G = Group::General, A = Group::Analog;

    QTest::newRow("m_id padded") << G << v15 << Texts{{"m_id", "7"}} << Texts{{"m_id", "0007"}}
                                 << Problem::None << "";
    QTest::newRow("empty m_id stays empty")
        << G << v15 << Texts{{"m_id", ""}} << Texts{{"m_id", ""}} << Problem::None << "";
    QTest::newRow("m_id padded before a later failure")
        << G << v15 << Texts{{"m_id", "42"}, {"maxsms", "x"}}
        << Texts{{"m_id", "0042"}, {"maxsms", ""}} << Problem::NotNumber << "maxsms";
    QTest::newRow("m_id not padded when it fails")
        << G << v15 << Texts{{"m_id", "7a"}} << Texts{{"m_id", ""}} << Problem::NotNumber << "m_id";
    QTest::newRow("rele_time 12a4")
        << G << v15 << Texts{{"rele_time", "12a4"}} << Texts{{"rele_time", ""}}
        << Problem::NotNumber << "rele_time";
    QTest::newRow("rele_time 0000 passes") << G << v15 << Texts{{"rele_time", "0000"}}
                                           << Texts{{"rele_time", "0000"}} << Problem::None << "";
    QTest::newRow("rele_time with a blank passes")
        << G << v15 << Texts{{"rele_time", "1 2"}} << Texts{{"rele_time", "1 2"}} << Problem::None
        << "";
    QTest::newRow("smskp with plus and blanks")
        << G << v15 << Texts{{"smskp", "+36 30 9888000"}} << Texts{{"smskp", "+36 30 9888000"}}
        << Problem::None << "";
    QTest::newRow("smskp with a letter") << G << v15 << Texts{{"smskp", "3630O"}}
                                         << Texts{{"smskp", ""}} << Problem::NotPhone << "smskp";
    QTest::newRow("visszaallas 2")
        << G << v15 << Texts{{"visszaallas", "2"}} << Texts{{"visszaallas", ""}}
        << Problem::NotZeroOne << "visszaallas";
    QTest::newRow("visszaallas 1") << G << v15 << Texts{{"visszaallas", "1"}}
                                   << Texts{{"visszaallas", "1"}} << Problem::None << "";
    QTest::newRow("accent in m_nev") << G << v15 << Texts{{"m_nev", "Kapu é"}}
                                     << Texts{{"m_nev", ""}} << Problem::Accent << "m_nev";
    QTest::newRow("accent comes first in form order")
        << G << v15 << Texts{{"m_nev", "é"}, {"maxsms", "x"}}
        << Texts{{"m_nev", ""}, {"maxsms", "x"}} << Problem::Accent << "m_nev";
    QTest::newRow("m_pin letter before m_id padding")
        << G << v15 << Texts{{"m_pin", "12b"}, {"m_id", "7"}} << Texts{{"m_pin", ""}, {"m_id", "7"}}
        << Problem::NotNumber << "m_pin";

    QTest::newRow("telephone with plus") << Group::Telephones << v15 << Texts{{"t3", "+3630"}}
                                         << Texts{{"t3", ""}} << Problem::NotTelephone << "t3";
    QTest::newRow("plus boxes are not numbers")
        << Group::Telephones << v15 << Texts{{"t1", "36 30 123"}}
        << Texts{{"t1", "36 30 123"}, {"tplus_1", "+"}} << Problem::None << "";
    QTest::newRow("accent in an input name")
        << Group::Inputs << v15 << Texts{{"be1_on_msg", "Nyitás"}} << Texts{{"be1_on_msg", ""}}
        << Problem::Accent << "be1_on_msg";

    QTest::newRow("15,1 V above 0..15 V")
        << A << v15 << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "1"}}
        << Texts{{"abe1_hi", ""}, {"abe1_hi_2", ""}} << Problem::AboveRange << "abe1_hi";
    QTest::newRow("15,1 V within 0..30 V")
        << A << v30 << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "1"}}
        << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "1"}} << Problem::None << "";
    QTest::newRow("15,0 V is the limit")
        << A << v15 << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "0"}}
        << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "0"}} << Problem::None << "";
    QTest::newRow("30,1 V above 0..30 V")
        << A << v30 << Texts{{"abe1_hi", "30"}, {"abe1_hi_2", "1"}}
        << Texts{{"abe1_hi", ""}, {"abe1_hi_2", ""}} << Problem::AboveRange << "abe1_hi";
    QTest::newRow("low level above the range")
        << A << v15 << Texts{{"abe1_lo", "16"}, {"abe1_lo_2", "0"}}
        << Texts{{"abe1_lo", ""}, {"abe1_lo_2", ""}} << Problem::AboveRange << "abe1_lo";
    QTest::newRow("12,5 V high and low")
        << A << v15
        << Texts{{"abe1_hi", "12"}, {"abe1_hi_2", "5"}, {"abe1_lo", "12"}, {"abe1_lo_2", "5"}}
        << Texts{{"abe1_hi", "12"}, {"abe1_hi_2", "5"}, {"abe1_lo", ""}, {"abe1_lo_2", ""}}
        << Problem::HighNotAboveLow << "abe1_lo";
    QTest::newRow("high above low, both padded")
        << A << v15
        << Texts{{"abe1_hi", "9"}, {"abe1_hi_2", "5"}, {"abe1_lo", "2"}, {"abe1_lo_2", "0"}}
        << Texts{{"abe1_hi", "09"}, {"abe1_hi_2", "5"}, {"abe1_lo", "02"}, {"abe1_lo_2", "0"}}
        << Problem::None << "";
    QTest::newRow("level without tenth is not checked but padded")
        << A << v15
        << Texts{{"abe1_hi", "5"}, {"abe1_hi_2", ""}, {"abe1_lo", "9"}, {"abe1_lo_2", "9"}}
        << Texts{{"abe1_hi", "05"}, {"abe1_hi_2", ""}, {"abe1_lo", "09"}, {"abe1_lo_2", "9"}}
        << Problem::None << "";
    QTest::newRow("blank inside a level counts as zero")
        << A << v15
        << Texts{{"abe1_hi", "1 "}, {"abe1_hi_2", "1"}, {"abe1_lo", "0"}, {"abe1_lo_2", "5"}}
        << Texts{{"abe1_hi", "1 "}, {"abe1_hi_2", "1"}, {"abe1_lo", "00"}, {"abe1_lo_2", "5"}}
        << Problem::None << "";
    QTest::newRow("counter maximum padded") << A << v15 << Texts{{"abe2_hi", "42"}}
                                            << Texts{{"abe2_hi", "00042"}} << Problem::None << "";
    QTest::newRow("no padding when a field fails")
        << A << v15 << Texts{{"abe1_hi", "9"}, {"abe2_hi", "42"}, {"abe2_clr", "törlés"}}
        << Texts{{"abe1_hi", "9"}, {"abe2_hi", "42"}, {"abe2_clr", ""}} << Problem::Accent
        << "abe2_clr";
    QTest::newRow("letter in a level")
        << A << v15 << Texts{{"abe1_lo_2", "x"}} << Texts{{"abe1_lo_2", ""}} << Problem::NotNumber
        << "abe1_lo_2";
    QTest::newRow("accent before the range check")
        << A << v15 << Texts{{"be_a1_nev", "Hőmérő"}, {"abe1_hi", "99"}, {"abe1_hi_2", "9"}}
        << Texts{{"be_a1_nev", ""}, {"abe1_hi", "99"}, {"abe1_hi_2", "9"}} << Problem::Accent
        << "be_a1_nev";
}

void TestFieldRules::groupCheck()
{
    QFETCH(Group, group);
    QFETCH(AnalogRange, range);
    QFETCH(Texts, before);
    QFETCH(Texts, after);
    QFETCH(Problem, problem);
    QFETCH(QString, focus);

    QHash<QString, QString> texts;
    for (const auto &[name, text] : before)
        texts.insert(name, text);
    const QList<Field> fields = fieldsOf(group, texts);
    const GroupCheck result = checkGroup(group, fields, range);

    QCOMPARE(result.problem, problem);
    QCOMPARE(result.texts.size(), fields.size());
    QCOMPARE(result.focus < 0 ? QString() : fields.at(result.focus).name, focus);
    // The named fields as expected; every other field untouched.
    QHash<QString, QString> expected;
    for (const auto &[name, text] : after)
        expected.insert(name, text);
    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(result.texts.at(i), expected.value(fields.at(i).name, fields.at(i).text));
}

void TestFieldRules::normalisation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const std::tuple<const char *, const char *, const char *, const char *> rows[] = {
        {"m_id padded", "m_id", "5", "0005"},
        {"m_id empty", "m_id", "", ""},
        {"m_id with a letter", "m_id", "5a", "5a"},
        {"m_pin is not padded", "m_pin", "7", "7"},
        {"high level padded to two", "abe1_hi", "5", "05"},
        {"tenth is not padded", "abe1_hi_2", "5", "5"},
        {"counter maximum padded to five", "abe2_hi", "42", "00042"},
        {"not a field of the form", "nincs", "5", "5"},
    };
    for (const auto &[row, name, text, expected] : rows)
        QTest::newRow(row) << QString::fromLatin1(name) << QString::fromLatin1(text)
                           << QString::fromLatin1(expected);
}

// What the edit state compares: a text as the checks would pad it.
void TestFieldRules::normalisation()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    const std::optional<Group> group = groupOf(name);
    QCOMPARE(group.has_value(), name != u"nincs");
    QCOMPARE(group ? normalised(fieldRule(*group, name), text) : text, expected);
}

void TestFieldRules::everyProblemHasItsWarning()
{
    const std::pair<Problem, Warning> table[] = {
        {Problem::NotNumber, {"Beviteli hiba", QStringLiteral("Csak számok adhatóak meg!")}},
        {Problem::NotPhone,
         {"Beviteli hiba", QStringLiteral("Csak valós telefonszám adható meg!")}},
        {Problem::NotTelephone,
         {"Beviteli hiba", QStringLiteral("Csak valós telefonszámok adhatóak meg!")}},
        {Problem::NotZeroOne, {"Input error", QStringLiteral("Az érték 0 vagy 1 lehet.")}},
        {Problem::Accent, {"Hiba", QStringLiteral("Ékezetek nem használhatóak!")}},
        {Problem::AboveRange, {"Hiba", QStringLiteral("Az érték maximum 15.0 V lehet!")}},
        {Problem::HighNotAboveLow,
         {"Hiba",
          QStringLiteral("A magas riasztási érték nem lehet kisebb, mint az alacsony érték!")}},
    };
    for (const auto &[problem, warning] : table) {
        QCOMPARE(warningFor(problem).title, warning.title);
        QCOMPARE(warningFor(problem).text, warning.text);
    }
    QVERIFY(warningFor(Problem::None).text.isEmpty());
    // The 0..30 V range is told its own limit.
    QCOMPARE(warningFor(Problem::AboveRange, AnalogRange::Volts30).text,
             QStringLiteral("Az érték maximum 30.0 V lehet!"));
}

void TestFieldRules::operators_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("number");

    QTest::newRow("T-Mobile") << 0 << "36309888000";
    QTest::newRow("Telenor") << 1 << "36209300099";
    QTest::newRow("Vodafone") << 2 << "36709996500";
    QTest::newRow("Egyéni") << kCustomOperator << "";
}

void TestFieldRules::operators()
{
    QFETCH(int, index);
    QFETCH(QString, number);
    QCOMPARE(operatorNumber(index), number);
    if (!number.isEmpty())
        QCOMPARE(operatorIndexFor(number), index);
    QCOMPARE(operatorIndexFor(QStringLiteral("+36309888000")), kCustomOperator);
    QCOMPARE(operatorIndexFor(QString()), kCustomOperator);
    QCOMPARE(operatorNumber(-1), QString());
}

void TestFieldRules::matrixTags_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("column");

    QTest::newRow("first box") << "7.1" << true << 7 << 1;
    QTest::newRow("last box") << "8.8" << true << 8 << 8;
    QTest::newRow("leading zero is decimal") << "08.09" << true << 8 << 9;
    QTest::newRow("no dot") << "71" << false << 0 << 0;
    QTest::newRow("two dots") << "7.1.2" << false << 0 << 0;
    QTest::newRow("letters") << "a.b" << false << 0 << 0;
    QTest::newRow("empty") << "" << false << 0 << 0;
}

void TestFieldRules::matrixTags()
{
    QFETCH(QString, tag);
    QFETCH(bool, valid);
    QFETCH(int, entry);
    QFETCH(int, column);

    const auto cell = qv::form::device::parseMatrixTag(tag);
    QCOMPARE(cell.has_value(), valid);
    if (cell) {
        QCOMPARE(cell->entry, entry);
        QCOMPARE(cell->column, column);
    }
}

void TestFieldRules::ringButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("output");

    QTest::newRow("output 4") << "r1_4" << true << 1 << 4;
    QTest::newRow("no output") << "r5_0" << true << 5 << 0;
    QTest::newRow("not a ring button") << "max_be_15" << false << 0 << 0;
    QTest::newRow("monostable button") << "b1" << false << 0 << 0;
}

void TestFieldRules::ringButtons()
{
    QFETCH(QString, name);
    QFETCH(bool, valid);
    QFETCH(int, entry);
    QFETCH(int, output);

    const auto button = qv::form::device::parseRingButton(name);
    QCOMPARE(button.has_value(), valid);
    if (button) {
        QCOMPARE(button->entry, entry);
        QCOMPARE(button->output, output);
        QCOMPARE(qv::form::device::ringButtonName(entry, output), name);
    }
}

void TestFieldRules::modelProfiles()
{
    using namespace qv::form::device;
    // Matrix columns each model keeps: 1-4 inputs, 5 analogue, 6 counter, 7-8 RING/SMS.
    const std::pair<int, QList<int>> columns[] = {
        {qv::settings::ModelQV5, {1, 2, 3, 4, 5, 6, 7, 8}},
        {qv::settings::ModelQV3, {1, 2, 5, 6, 7, 8}},
        {qv::settings::ModelBRK2, {1, 2, 7, 8}},
    };
    for (const auto &[model, kept] : columns) {
        const auto profile = profileFor(model);
        QVERIFY(profile);
        for (int column = 1; column <= 8; ++column)
            QCOMPARE(hasMatrixColumn(*profile, column), kept.contains(column));
    }
    QCOMPARE(profileFor(qv::settings::ModelQV3)->outputs, 2);
    QCOMPARE(profileFor(qv::settings::ModelBRK2)->outputs, 1);
    QVERIFY(!profileFor(qv::settings::NoDevice));
    QVERIFY(!profileFor(7));
    QVERIFY(!profileFor(-1));
    QCOMPARE(pictureFileFor(qv::settings::ModelBRK2), QStringLiteral("i_bk-2.dll"));
    QCOMPARE(pictureFileFor(7), QStringLiteral("i_default.dll"));
}

QTEST_GUILESS_MAIN(TestFieldRules)
#include "tst_fieldrules.moc"
