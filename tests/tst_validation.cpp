// The validation slots on the real window: warnings, clearing, focus, paddings, the
// RING/SMS rule, the SMS-centre selector, and no double warnings while one is open.
#include "formhelpers.h"
#include "modalwatcher.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

namespace {

using Texts = QList<std::pair<QString, QString>>; // name, text

// A window in debug mode Q_QV5, filled with the defaults and shown (focus needs it).
struct UnlockedWindow
{
    ModalWatcher watcher;
    MainWindow window;

    UnlockedWindow()
    {
        window.deviceDebugMS5();
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("window not active");
        watcher.clear();
    }
};

} // namespace

class TestValidation : public QObject
{
    Q_OBJECT

private slots:
    void leavingAField_data();
    void leavingAField();
    void rangeSwitchRechecksLevels();
    void nestedRunDuringWarningShowsNothing();
    void typingThenTabShowsOneWarning();
    void leavingAnUnchangedFieldAgainChecksItsGroup();
    void ringAndSmsNeedAnAlarmSource();
    void smsCentreSelector();
    void destroyingAShownWindowChecksNothing();
};

void TestValidation::leavingAField_data()
{
    QTest::addColumn<QString>("trigger"); // the field whose editing finishes
    QTest::addColumn<bool>("range30");
    QTest::addColumn<Texts>("before");
    QTest::addColumn<Texts>("after");
    QTest::addColumn<QString>("title"); // empty: no warning
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus");

    const QString number = QStringLiteral("Csak számok adhatóak meg!");
    const QString accent = QStringLiteral("Ékezetek nem használhatóak!");
    const QString range = QStringLiteral("Az érték maximum 15.0 V lehet!");

    QTest::newRow("m_id 7 becomes 0007")
        << "m_nev" << false << Texts{{"m_id", "7"}} << Texts{{"m_id", "0007"}} << ""
        << ""
        << "";
    QTest::newRow("rele_time 12a4")
        << "m_pin" << false << Texts{{"rele_time", "12a4"}} << Texts{{"rele_time", ""}}
        << "Beviteli hiba" << number << "rele_time";
    QTest::newRow("m_id padded though maxsms fails")
        << "m_id" << false << Texts{{"m_id", "7"}, {"maxsms", "x"}}
        << Texts{{"m_id", "0007"}, {"maxsms", ""}} << "Beviteli hiba" << number << "maxsms";
    QTest::newRow("accent reported before a later letter")
        << "maxsms" << false << Texts{{"m_nev", QStringLiteral("Kapu é")}, {"maxsms", "x"}}
        << Texts{{"m_nev", ""}, {"maxsms", "x"}} << "Hiba" << accent << "m_nev";
    QTest::newRow("visszaallas 2")
        << "visszaallas" << false << Texts{{"visszaallas", "2"}} << Texts{{"visszaallas", ""}}
        << "Input error" << QStringLiteral("Az érték 0 vagy 1 lehet.") << "visszaallas";
    QTest::newRow("smskp with letter")
        << "m_nev" << false << Texts{{"smskp", "36a"}} << Texts{{"smskp", ""}} << "Beviteli hiba"
        << QStringLiteral("Csak valós telefonszám adható meg!") << "smskp";
    QTest::newRow("t3 with plus") << "t1" << false << Texts{{"t3", "+36301234"}}
                                  << Texts{{"t3", ""}} << "Beviteli hiba"
                                  << QStringLiteral("Csak valós telefonszámok adhatóak meg!")
                                  << "t3";
    QTest::newRow("accent in an input name")
        << "be2_nev" << false << Texts{{"be1_nev", QStringLiteral("Ajtó")}}
        << Texts{{"be1_nev", ""}} << "Hiba" << accent << "be1_nev";
    QTest::newRow("accent in an output text")
        << "ki1_on" << false << Texts{{"ki4_off", QStringLiteral("Kész")}} << Texts{{"ki4_off", ""}}
        << "Hiba" << accent << "ki4_off";
    QTest::newRow("accent in an activation command")
        << "act_ki" << false << Texts{{"act_be", QStringLiteral("BEÉ")}} << Texts{{"act_be", ""}}
        << "Hiba" << accent << "act_be";
    QTest::newRow("15,1 V with 0..15 V")
        << "abe1_hi_2" << false << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "1"}}
        << Texts{{"abe1_hi", ""}, {"abe1_hi_2", ""}} << "Hiba" << range << "abe1_hi";
    QTest::newRow("15,1 V with 0..30 V")
        << "abe1_hi_2" << true << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "1"}}
        << Texts{{"abe1_hi", "15"}, {"abe1_hi_2", "1"}} << ""
        << ""
        << "";
    QTest::newRow("12,5 V high and low")
        << "abe1_lo_2" << false
        << Texts{{"abe1_hi", "12"}, {"abe1_hi_2", "5"}, {"abe1_lo", "12"}, {"abe1_lo_2", "5"}}
        << Texts{{"abe1_hi", "12"}, {"abe1_hi_2", "5"}, {"abe1_lo", ""}, {"abe1_lo_2", ""}}
        << "Hiba"
        << QStringLiteral("A magas riasztási érték nem lehet kisebb, mint az alacsony érték!")
        << "abe1_lo";
    QTest::newRow("5 without tenth padded")
        << "abe1_hi" << false << Texts{{"abe1_hi", "5"}, {"abe1_hi_2", ""}}
        << Texts{{"abe1_hi", "05"}, {"abe1_hi_2", ""}} << ""
        << ""
        << "";
    QTest::newRow("counter maximum 42")
        << "abe2_hi" << false << Texts{{"abe2_hi", "42"}} << Texts{{"abe2_hi", "00042"}} << ""
        << ""
        << "";
}

void TestValidation::leavingAField()
{
    QFETCH(QString, trigger);
    QFETCH(bool, range30);
    QFETCH(Texts, before);
    QFETCH(Texts, after);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, focus);

    UnlockedWindow u;
    MainWindow &w = u.window;
    widget<QRadioButton>(w, range30 ? "max_be_30" : "max_be_15")->setChecked(true);
    for (const auto &[name, value] : before) {
        if (name == QLatin1String("smskp")) // the user types it under "Egyéni" only
            widget<QComboBox>(w, "smskp_combo")->setCurrentIndex(3);
        edit(w, name.toLatin1())->setText(value);
    }
    const QStringList untouched = formValues(w);

    emit edit(w, trigger.toLatin1())->editingFinished();

    QCOMPARE(u.watcher.count(), title.isEmpty() ? 0 : 1);
    if (!title.isEmpty()) {
        QCOMPARE(u.watcher.last().icon, QMessageBox::Warning);
        QCOMPARE(u.watcher.last().title, title);
        QCOMPARE(u.watcher.last().text, text);
        QCOMPARE(u.watcher.last().parentName, QStringLiteral("MainWindow"));
        QCOMPARE(u.watcher.last().format, Qt::PlainText);
        QCOMPARE(w.focusWidget(), edit(w, focus.toLatin1()));
    }
    for (const auto &[name, value] : after)
        QCOMPARE(edit(w, name.toLatin1())->text(), value);
    // Nothing else of the form changed.
    QStringList expected = untouched;
    const QStringList now = formValues(w);
    int changed = 0;
    for (int i = 0; i < now.size(); ++i)
        changed += now.at(i) != expected.at(i);
    int expectedChanges = 0;
    for (const auto &[name, value] : after) {
        for (const auto &[n, v] : before)
            expectedChanges += n == name && v != value;
    }
    QCOMPARE(changed, expectedChanges);
}

void TestValidation::rangeSwitchRechecksLevels()
{
    UnlockedWindow u;
    MainWindow &w = u.window;
    widget<QRadioButton>(w, "max_be_30")->click();
    edit(w, "abe1_hi")->setText(QStringLiteral("20"));
    edit(w, "abe1_hi_2")->setText(QStringLiteral("0"));
    emit edit(w, "abe1_hi_2")->editingFinished();
    QCOMPARE(u.watcher.count(), 0);

    widget<QRadioButton>(w, "max_be_15")->click();
    QCOMPARE(u.watcher.count(), 1);
    QCOMPARE(u.watcher.last().text, QStringLiteral("Az érték maximum 15.0 V lehet!"));
    QCOMPARE(edit(w, "abe1_hi")->text(), QString());
    QCOMPARE(edit(w, "abe1_hi_2")->text(), QString());
}

// The focus change around a warning finishes the editing of a field while the warning
// is open; here that run is forced, with a second fault waiting in the same group.
void TestValidation::nestedRunDuringWarningShowsNothing()
{
    UnlockedWindow u;
    MainWindow &w = u.window;
    edit(w, "m_nev")->setText(QStringLiteral("é"));
    edit(w, "maxsms")->setText(QStringLiteral("x"));

    int nestedRuns = 0;
    int secondBoxes = 0;
    u.watcher.beforeAnswer([&](QMessageBox *first) {
        if (nestedRuns++ > 0)
            return;
        // A second warning would open inside this call, where the watcher cannot answer
        // it: close it here, so that the test fails instead of waiting.
        QTimer closer;
        closer.setInterval(20);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<QMessageBox *>(top);
                if (box && box != first && box->isVisible()) {
                    ++secondBoxes;
                    box->reject();
                }
            }
        });
        closer.start();
        emit edit(w, "m_nev")->editingFinished();
        emit edit(w, "m_pin")->editingFinished();
    });
    emit edit(w, "m_nev")->editingFinished();
    u.watcher.beforeAnswer({});

    QCOMPARE(secondBoxes, 0);
    QCOMPARE(nestedRuns, 1);
    QCOMPARE(u.watcher.count(), 1);
    QCOMPARE(u.watcher.last().text, QStringLiteral("Ékezetek nem használhatóak!"));
    QCOMPARE(edit(w, "maxsms")->text(), QStringLiteral("x"));

    // The waiting fault is reported the next time a field is left.
    emit edit(w, "m_pin")->editingFinished();
    QCOMPARE(u.watcher.count(), 2);
    QCOMPARE(u.watcher.last().text, QStringLiteral("Csak számok adhatóak meg!"));
    QCOMPARE(edit(w, "maxsms")->text(), QString());
}

// The same with real keyboard and focus events.
void TestValidation::typingThenTabShowsOneWarning()
{
    UnlockedWindow u;
    MainWindow &w = u.window;
    QLineEdit *name = edit(w, "m_nev");
    name->setFocus();
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Kapu"));
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
    QCOMPARE(name->text(), QStringLiteral("Kapué"));
    QTest::keyClick(name, Qt::Key_Tab);
    QTRY_COMPARE(u.watcher.count(), 1);
    QTest::qWait(50);
    QCOMPARE(u.watcher.count(), 1);
    QCOMPARE(u.watcher.last().title, QStringLiteral("Hiba"));
    QCOMPARE(name->text(), QString());
    QCOMPARE(w.focusWidget(), name);
}

// A bad value that did not come from the keyboard (a file, a read-out) is reported each
// time the user leaves a field of its group, even a field whose text never changed.
void TestValidation::leavingAnUnchangedFieldAgainChecksItsGroup()
{
    UnlockedWindow u;
    MainWindow &w = u.window;
    QLineEdit *name = edit(w, "m_nev"), *number = edit(w, "t1");
    for (int round = 1; round <= 2; ++round) {
        QApplication::setActiveWindow(&w);
        for (QLineEdit *field : {number, name}) {
            field->setFocus();
            QTRY_VERIFY(field->hasFocus());
        }
        edit(w, "rele_time")->setText(QStringLiteral("12a4"));
        number->setFocus(); // out of the group
        QTRY_COMPARE(u.watcher.count(), round);
        QTest::qWait(50);
        QCOMPARE(u.watcher.count(), round); // once per leave
        QCOMPARE(u.watcher.last().text, QStringLiteral("Csak számok adhatóak meg!"));
        QCOMPARE(edit(w, "rele_time")->text(), QString());
        QCOMPARE(w.focusWidget(), edit(w, "rele_time"));
    }
}

void TestValidation::ringAndSmsNeedAnAlarmSource()
{
    UnlockedWindow u;
    MainWindow &w = u.window;
    auto box = [&w](const char *name) { return widget<QCheckBox>(w, name); };

    // Entry 3 with only its SMS box ticked and no alarm source.
    box("cb_s_3")->setChecked(true);
    QVERIFY(!box("cb_s_3")->isChecked()); // its own change ran the rule
    QVERIFY(!box("cb_s_3")->isEnabled());
    QVERIFY(!box("cb_r_3")->isEnabled());

    box("tc2_3")->setChecked(true); // input 3 of entry 3
    QVERIFY(box("cb_r_3")->isEnabled());
    QVERIFY(box("cb_s_3")->isEnabled());
    QVERIFY(!box("cb_s_3")->isChecked());
    box("cb_r_3")->setChecked(true);
    box("tc1_19")->setChecked(true); // counter alarm of entry 7: entry 3 keeps its state
    QVERIFY(box("cb_r_3")->isChecked());

    box("tc2_3")->setChecked(false);
    QVERIFY(!box("cb_r_3")->isChecked());
    QVERIFY(!box("cb_r_3")->isEnabled());
    // Every entry follows its own sources: the counter alarm opened entry 7.
    QVERIFY(box("cb_r_7")->isEnabled());
    QVERIFY(!box("cb_r_1")->isEnabled());
    QCOMPARE(u.watcher.count(), 0);
}

void TestValidation::smsCentreSelector()
{
    UnlockedWindow u;
    MainWindow &w = u.window;
    auto *combo = widget<QComboBox>(w, "smskp_combo");
    QLineEdit *number = edit(w, "smskp");

    combo->setCurrentIndex(1); // Telenor
    QCOMPARE(number->text(), QStringLiteral("36209300099"));
    QVERIFY(!number->isEnabled());
    combo->setCurrentIndex(3); // Egyéni
    QVERIFY(number->isEnabled());
    QCOMPARE(w.focusWidget(), number);
    QCOMPARE(number->text(), QStringLiteral("36209300099"));
    combo->setCurrentIndex(2); // Vodafone
    QCOMPARE(number->text(), QStringLiteral("36709996500"));
    QVERIFY(!number->isEnabled());
    combo->setCurrentIndex(0);
    QCOMPARE(number->text(), QStringLiteral("36309888000"));
    QCOMPARE(u.watcher.count(), 0);
}

// Destroying a shown window takes the focus out of its line edit; no check may run on
// the half-destroyed window (it used to, and read the deleted form).
void TestValidation::destroyingAShownWindowChecksNothing()
{
    ModalWatcher watcher;
    {
        UnlockedWindow u;
        QLineEdit *name = edit(u.window, "m_nev");
        name->setText(QStringLiteral("Kapué"));
        name->setFocus();
        QTRY_VERIFY(name->hasFocus());
        watcher.clear();
    }
    QTest::qWait(20);
    QCOMPARE(watcher.count(), 0);
}

QTEST_MAIN(TestValidation)
#include "tst_validation.moc"
