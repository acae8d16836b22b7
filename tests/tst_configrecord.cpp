// The configuration record between form and module: read-out replies decoded into what
// the form shows, and the form's values assembled into the download record.
#include "form/deviceprofile.h"
#include "transfer/configrecord.h"

#include <QTest>

using namespace qv;

namespace {

// A module's configuration with every kind of field; the texts are "T<n>".
QStringList moduleFields()
{
    QStringList f =
        QString::fromLatin1("36309888000;0000;0001;QV;1;0005;10;15;050;120;0;10000").split(u';');
    for (int i = f.size(); i < 56; ++i)
        f << ((i >= 12 && i <= 15) || i == 20 || i == 21 || i == 47 ? QString()
              : i >= 48                                             ? QStringLiteral("08")
                                                                    : u'T' + QString::number(i));
    return f;
}

// "name=value;name=value" as pairs; a value may hold anything but ";".
QList<std::pair<QString, QString>> pairs(const QString &text)
{
    QList<std::pair<QString, QString>> result;
    for (const QString &item : text.split(u';', Qt::SkipEmptyParts))
        result.append({item.section(u'=', 0, 0), item.section(u'=', 1)});
    return result;
}

// The values a form shows after reading `fields` out, as the download collects them.
transfer::FormValues formFor(const QStringList &fields)
{
    const auto form =
        transfer::decodeReadOut(transfer::record::fromWire(transfer::record::encodeReadOut(fields)))
            .form;
    transfer::FormValues values;
    for (const auto &[name, text] : form.texts)
        values.texts.insert(name, text);
    values.monostable = form.monostable;
    values.range15 = form.range15;
    for (int k = 1; k <= transfer::Entries; ++k) {
        for (int c = 1; c <= 8; ++c)
            values.matrix.append({QStringLiteral("%1.%2").arg(k).arg(c),
                                  transfer::hasRight(form.rights[size_t(k - 1)], c)});
        for (int v = 0; v <= 4; ++v)
            values.radios.append({form::device::ringButtonName(k, v), v == form.selection[k - 1]});
    }
    values.radios.append({QStringLiteral("b1"), true}); // not an "r" button: passed over
    return values;
}

} // namespace

class TestConfigRecord : public QObject
{
    Q_OBJECT

private slots:
    void readOut_data();
    void readOut();
    void assemble_data();
    void assemble();
    void compare_data();
    void compare();
};

void TestConfigRecord::readOut_data()
{
    QTest::addColumn<int>("field"); // changed in the module's reply; -1: the reply given
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected"); // a diagnostic, or name=value of what the form shows

    const QString f = QString(QChar(0xAF)) + u'<';
    const QString missing = [] { // 56 fields, one of them empty: "x||x"
        QStringList fields(56, QStringLiteral("x"));
        fields[10].clear();
        return fields.join(u'|');
    }();
    // clang-format off
    const std::tuple<const char *, int, QString, QString> rows[] = {
        {"factory, CR LF, doubled bars", 3, "QV", "smskp=36309888000;sms=0;m_id=0001;mask=15;abe1_lo=05;abe1_lo_2=0;range=15;act_ki=T46;t8="},
        {"erased message arrives empty", 16, "", "abe1_lo_msg="},
        {"field 8 125", 8, "125", "abe1_lo=12;abe1_lo_2=5"},
        {"field 8 5", 8, "5", "abe1_lo=;abe1_lo_2=5"},
        {"field 10 0", 10, "0", "range=15"},
        {"field 10 1", 10, "1", "range=30"},
        {"field 10 empty", 10, "", "range=30"},
        {"field 7 5", 7, "5", "mask=5"},
        {"field 7 0", 7, "0", "mask=0"},
        {"field 7 empty", 7, "", "mask=0"},
        {"field 7 letters", 7, "ab", "mask=0"},
        {"a text + keeps its place", 3, "+", "m_nev=+;visszaallas=1"},
        {"telephone ?4 and number", 48, "?436209300099", "t1=36209300099;rights1=143;selection1=4"},
        {"telephone 09", 49, "09", "t2=;rights2=0;selection2=1"},
        {"telephone 0xAF <", 50, f + "3630", "t3=3630;rights3=127;selection3=4"},
        {"telephone of one character", 51, "5", "t4=;rights4=0;selection4=0"},
        {"telephone rights character |", 52, "|83630", "t5=3630;rights5=76;selection5=0"},
        {"Vodafone centre", 0, "36709996500", "sms=2"},
        {"own centre", 0, "36201234567", "sms=3;smskp=36201234567"},
        {"silence", -1, "", "sep error"},
        {"empty raw field", -1, missing, "dberror: 55"},
    };
    // clang-format on
    for (const auto &[name, field, value, expected] : rows)
        QTest::newRow(name) << field << value << expected;
}

void TestConfigRecord::readOut()
{
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, expected);

    QStringList fields = moduleFields();
    if (field >= 0)
        fields[field] = value;
    const auto result = transfer::decodeReadOut(
        field >= 0 ? transfer::record::fromWire(transfer::record::encodeReadOut(fields)) : value);
    if (!expected.contains(u'=')) {
        QCOMPARE(result.diagnostic(), expected);
        return;
    }
    QCOMPARE(result.status, transfer::ReadOutStatus::Ok);
    QHash<QString, QString> shown;
    for (const auto &[name, text] : result.form.texts)
        shown.insert(name, text);
    QCOMPARE(shown.size(), 49); // every line edit but the nine prefix boxes
    shown.insert(QStringLiteral("mask"), QString::number(result.form.monostable));
    shown.insert(QStringLiteral("range"), QString::number(result.form.range15 ? 15 : 30));
    shown.insert(QStringLiteral("sms"), QString::number(result.form.smsOperator));
    for (int k = 1; k <= transfer::Entries; ++k) {
        shown.insert(QStringLiteral("rights%1").arg(k), QString::number(result.form.rights[k - 1]));
        shown.insert(QStringLiteral("selection%1").arg(k),
                     QString::number(result.form.selection[k - 1]));
    }
    for (const auto &[name, text] : pairs(expected))
        QCOMPARE(shown.value(name, QStringLiteral("(none)")), text);
}

void TestConfigRecord::assemble_data()
{
    // name=text of line edits, "group"=1 ticks, rR_v=1, model=code (the module's profile)
    QTest::addColumn<QString>("changes");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("index");    // the item checked; -1: the whole record
    QTest::addColumn<QString>("item"); // its value, or the refused line edit
    QTest::addColumn<int>("status");

    const int ok = int(transfer::AssemblyStatus::Ok);
    const int bar = int(transfer::AssemblyStatus::SeparatorInText);
    const int lineBreak = int(transfer::AssemblyStatus::LineBreakInText);
    const int noByte = int(transfer::AssemblyStatus::CharacterWithoutByte);
    // clang-format off
    const std::tuple<const char *, QString, QString, int, QString, int> rows[] = {
        {"read-out written back", "", "|", -1, "", ok},
        {"m_pin 7", "m_pin=7", "|", 1, "0007", ok},
        {"rele_time 30", "rele_time=30", "|", 5, "0030", ok},
        {"outputs 1 and 3 monostable", "mask=5", "|", 7, "05", ok},
        {"low level 12,5", "abe1_lo=12;abe1_lo_2=5", "|", 8, "125", ok},
        {"low level ,5", "abe1_lo=;abe1_lo_2=5", "|", 8, "005", ok},
        {"empty field", "be4_nev=", "|", 27, "", ok},
        {"row 1 nothing ticked, no output", "t1=3630", "|", 48, "083630", ok},
        {"row 1 inputs 1, 2, call, SMS, output 3", "1.1=1;1.2=1;1.7=1;1.8=1;r1_3=1", "|", 48, "s3", ok},
        {"row 1 every right but SMS", "1.1=1;1.2=1;1.3=1;1.4=1;1.5=1;1.6=1;1.7=1;r1_4=1", "|", 48, QString(QChar(0xAF)) + u'<', ok},
        {"rights character equal to the separator", "1.3=1;1.4=1;1.7=1", "|", 48, "|8", ok},
        {"texts that are just +", "t2=+;m_nev=+", "|", 49, "08+", ok},
        {"separator in a name", "m_nev=A|B", "|", 0, "m_nev", bar},
        {"separator in a tenth", "abe1_hi_2=|", "|", 0, "abe1_hi_2", bar},
        {"line break in a number", "t3=36\n20", "|", 0, "t3", lineBreak},
        {"CR in a message", "ki2_off=KI\r", "|", 0, "ki2_off", lineBreak},
        {"another separator, | allowed", "m_nev=A|B", "#", 3, "A|B", ok},
        {"character without a byte", "be2_nev=KAPU \u0150R", "|", 0, "be2_nev", noByte},
        {"Latin-1 character goes as its byte", "be2_nev=KAPU \u00c9", "|", 25, "KAPU \u00c9", ok},
        {"Q_QV5: every field as the form holds it", "model=1", "|", -1, "", ok},
        {"Q_QV3: input 3's name blank", "model=2", "|", 26, "", ok},
        {"Q_QV3: output 2's message kept", "model=2", "|", 37, "T37", ok},
        {"Q_QV3: output 4's message blank", "model=2", "|", 43, "", ok},
        {"Q_QV3: a blanked text is no fault", "model=2;be4_nev=A|B", "|", 27, "", ok},
        {"Q_BRK2: analogue level blank", "model=3", "|", 8, "000", ok},
        {"Q_BRK2: counter reset command blank", "model=3", "|", 44, "", ok},
        {"Q_BRK2: rights of input 3 and analogue, ring-in output 2 left out", "model=3;1.1=1;1.3=1;1.5=1;1.7=1;1.8=1;r1_2=1", "|", 48, "q0", ok},
    };
    // clang-format on
    for (const auto &[name, changes, separator, index, item, status] : rows)
        QTest::newRow(name) << changes << separator << index << item << status;
}

void TestConfigRecord::assemble()
{
    QFETCH(QString, changes);
    QFETCH(QString, separator);
    QFETCH(int, index);
    QFETCH(QString, item);
    QFETCH(int, status);

    transfer::FormValues values = formFor(moduleFields());
    for (const auto &[name, text] : pairs(changes)) {
        if (name == u"model")
            values.profile = form::device::profileFor(text.toInt());
        else if (name == u"mask")
            values.monostable = text.toInt();
        else if (form::device::parseMatrixTag(name))
            for (auto &[tag, ticked] : values.matrix)
                ticked = ticked || tag == name;
        else if (const auto ring = form::device::parseRingButton(name))
            for (auto &[radio, checked] : values.radios)
                checked = radio.startsWith(name.left(3)) ? radio == name : checked;
        else
            values.texts[name] = text;
    }

    const QChar sep = separator.at(0);
    const transfer::Assembly result = transfer::assembleDownload(values, sep);
    QCOMPARE(int(result.status), status);
    QCOMPARE(result.unreadableTags, 0);
    if (status != int(transfer::AssemblyStatus::Ok)) {
        QCOMPARE(result.field, item);
        QVERIFY(result.record.isEmpty());
        return;
    }
    if (index < 0)
        QCOMPARE(result.record, transfer::record::buildDownloadRecord(moduleFields(), sep));
    // Whatever the items hold, the wire gets 56 lines of 16 and the empty line.
    const QStringList lines = transfer::record::downloadLines(result.record, sep);
    QCOMPARE(lines.size(), 57);
    QVERIFY(lines.last().isEmpty());
    for (int i = 0; i < 56; ++i)
        QCOMPARE(result.record.at(i * 17 + 16), sep);
    if (index >= 0)
        QCOMPARE(lines.at(index), transfer::record::padItem(item));
}

using Differences = QList<transfer::FieldDifference>;

// The form's record (moduleFields() with `ours` applied, as a download builds it) against
// the module's fields (with `theirs` applied, as a read-out cleans them).
void TestConfigRecord::compare_data()
{
    QTest::addColumn<QString>("ours");   // "index=value;..."
    QTest::addColumn<QString>("theirs"); // "index=value;..."
    QTest::addColumn<Differences>("expected");

    const QString pince = QStringLiteral("PINCE");
    QTest::newRow("the same") << ""
                              << "" << Differences{};
    QTest::newRow("blanks the module drops") << "3=QV   "
                                             << "" << Differences{};
    QTest::newRow("a text") << "3=PINCE"
                            << "3=KAPU"
                            << Differences{{QStringLiteral("Modul neve"), pince, "KAPU", "m_nev",
                                            pince, "KAPU"}};
    QTest::newRow("an emptied text")
        << ""
        << "24=" << Differences{{"1-es bemenet neve", "T24", "(üres)", "be1_nev", "T24", ""}};
    QTest::newRow("output modes by meaning") << "7=05"
                                             << "7=5" << Differences{};
    QTest::newRow("one output's mode")
        << "7=05"
        << "7=07"
        << Differences{{QStringLiteral("2-es kimenet rácsengetéskor"), "Bistabil", "Monostabil",
                        "b2", "0", "1"}};
    QTest::newRow("a level") << "8=125"
                             << "8=120"
                             << Differences{{QStringLiteral("Analóg bemenet alacsony riasztási "
                                                            "értéke"),
                                             "12,5 V", "12,0 V", "abe1_lo", "12.5", "12.0"}};
    QTest::newRow("the range") << "10=0"
                               << "10=1"
                               << Differences{{QStringLiteral("Max. bemenő feszültség"), "0..15 V",
                                               "0..30 V", "max_be_15", "1", "0"}};
    QTest::newRow("a reserved field")
        << ""
        << "13=X" << Differences{{"Fenntartott mező (13.)", "(üres)", "X", "reserved13", "", "X"}};
    const QString entry = transfer::record::encodeTelephone(0x03, true, 2, QStringLiteral("3620"));
    QTest::newRow("a number, its output and rights")
        << QStringLiteral("49=%1").arg(entry)
        << QStringLiteral("49=%1").arg(transfer::record::encodeTelephone(0x41, false, 0, "3630"))
        << Differences{
               {"2. telefonszám", "3620", "3630", "t2", "3620", "3630"},
               {"2. telefonszám: vezérelt kimenet", "2. kimenet", "nincs", "t2_output", "2", "0"},
               {"2. telefonszám: jogok", "1. bemenet, 2. bemenet, SMS",
                QStringLiteral("1. bemenet, hívás"), "t2_rights", "1,2,8", "1,7"}};
    QTest::newRow("a field missing")
        << ""
        << "55=-"
        << Differences{{QStringLiteral("Konfiguráció"), QStringLiteral("56 mező"),
                        QStringLiteral("55 mező"), "record", "56", "55"}};
}

void TestConfigRecord::compare()
{
    QFETCH(QString, ours);
    QFETCH(QString, theirs);
    QFETCH(Differences, expected);

    auto apply = [](QStringList fields, const QString &edits) {
        for (const auto &[index, value] : pairs(edits)) {
            if (value == u"-")
                fields.removeAt(index.toInt());
            else
                fields[index.toInt()] = value;
        }
        return fields;
    };
    const QString record = transfer::record::buildDownloadRecord(apply(moduleFields(), ours));
    const Differences actual = transfer::compareRecords(record, apply(moduleFields(), theirs));
    QCOMPARE(actual, expected);
    // As a script reads them: the same whatever the language.
    for (qsizetype i = 0; i < actual.size(); ++i) {
        QCOMPARE(actual.at(i).key, expected.at(i).key);
        QCOMPARE(actual.at(i).formRaw, expected.at(i).formRaw);
        QCOMPARE(actual.at(i).moduleRaw, expected.at(i).moduleRaw);
    }
}

QTEST_GUILESS_MAIN(TestConfigRecord)
#include "tst_configrecord.moc"
