// The hints of the form's fields: derived from the field rules and the catalogue.
#include "form/catalogue.h"
#include "form/fieldhints.h"
#include "form/fieldrules.h"

#include <QRegularExpression>
#include <QTest>

using qv::form::rules::fieldHint;

class TestFieldHints : public QObject
{
    Q_OBJECT

private slots:
    void hints_data();
    void hints();
    void statedRangesAreTheLabels_data();
    void statedRangesAreTheLabels();
};

void TestFieldHints::hints_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("hint");

    QTest::newRow("number") << "m_pin"
                            << "Csak számjegyek és szóköz, legfeljebb 4 karakter.";
    QTest::newRow("padded number") << "m_id"
                                   << "Csak számjegyek és szóköz, legfeljebb 4 karakter.\n"
                                      "Értéke 0000–9999.\n"
                                      "Balról nullákkal 4 jegyűre egészül ki.";
    QTest::newRow("stated range") << "rele_time"
                                  << "Csak számjegyek és szóköz, legfeljebb 4 karakter.\n"
                                     "Értéke 1–9999.";
    QTest::newRow("SMS centre") << "smskp"
                                << "Csak számjegyek, szóköz és „+”, legfeljebb 16 karakter.\n"
                                   "Csak az „Egyéni” szolgáltatónál írható át.";
    QTest::newRow("0 or 1") << "visszaallas"
                            << "Értéke 0 vagy 1, vagy üres.";
    QTest::newRow("fixed prefix") << "tplus_3"
                                  << "Rögzített előtag: „+”.";
    QTest::newRow("telephone") << "t8"
                               << "Csak számjegyek és szóköz, legfeljebb 14 karakter.";
    QTest::newRow("text")
        << "be1_nev"
        << "Csak ékezet nélküli betűk, számjegyek és jelek, legfeljebb 16 karakter.";
    QTest::newRow("high level, whole volts")
        << "abe1_hi"
        << "Csak számjegyek és szóköz, legfeljebb 2 karakter.\n"
           "A magas riasztási szint egész voltjai.\n"
           "A szint legfeljebb 15.0 V a „0..15 V”, 30.0 V a „0..30 V” tartományban.\n"
           "Nagyobbnak kell lennie az alacsony szintnél.\n"
           "Balról nullákkal 2 jegyűre egészül ki.";
    QTest::newRow("low level, tenth")
        << "abe1_lo_2"
        << "Csak számjegyek és szóköz, legfeljebb 1 karakter.\n"
           "Az alacsony riasztási szint tized voltja.\n"
           "A szint legfeljebb 15.0 V a „0..15 V”, 30.0 V a „0..30 V” tartományban.\n"
           "Kisebbnek kell lennie a magas szintnél.";
    QTest::newRow("counter maximum") << "abe2_hi"
                                     << "Csak számjegyek és szóköz, legfeljebb 5 karakter.\n"
                                        "Értéke 00000–99999.\n"
                                        "Balról nullákkal 5 jegyűre egészül ki.";
    QTest::newRow("input alarm") << "tc3_4"
                                 << "4. telefonszám: a 2. bemenet riasztása";
    QTest::newRow("analogue alarm") << "tc1_9"
                                    << "5. telefonszám: az analóg bemenet riasztása";
    QTest::newRow("counter alarm") << "tc1_24"
                                   << "2. telefonszám: a pulzusszámláló riasztása";
    QTest::newRow("call") << "cb_r_3"
                          << "3. telefonszám: értesítés hívással\n"
                             "Csak akkor jelölhető, ha a szám legalább egy riasztást kap.";
    QTest::newRow("SMS") << "cb_s_8"
                         << "8. telefonszám: értesítés SMS-ben\n"
                            "Csak akkor jelölhető, ha a szám legalább egy riasztást kap.";
    QTest::newRow("radio button") << "max_be_15"
                                  << "";
    QTest::newRow("label") << "label_8"
                           << "";
    QTest::newRow("unknown") << "nincs_ilyen"
                             << "";
}

void TestFieldHints::hints()
{
    QFETCH(QString, field);
    QFETCH(QString, hint);
    QCOMPARE(fieldHint(field), hint);
}

// A range the checks do not test is told as the field's label prints it.
void TestFieldHints::statedRangesAreTheLabels_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("label");
    QTest::newRow("relay time") << "rele_time"
                                << "label_8";
    QTest::newRow("SMS per two hours") << "maxsms"
                                       << "label_66";
}

void TestFieldHints::statedRangesAreTheLabels()
{
    QFETCH(QString, field);
    QFETCH(QString, label);
    const auto range = qv::form::rules::fieldRule(qv::form::rules::Group::General, field).stated;
    QVERIFY(range);
    const QString text = QString::fromUtf8(qv::form::findItem(label)->text);
    const auto printed = QRegularExpression(QStringLiteral("\\((\\d+)-(\\d+)")).match(text);
    QVERIFY2(printed.hasMatch(), qPrintable(text));
    QCOMPARE(printed.captured(1).toInt(), range->minimum);
    QCOMPARE(printed.captured(2).toInt(), range->maximum);
}

QTEST_GUILESS_MAIN(TestFieldHints)
#include "tst_fieldhints.moc"
