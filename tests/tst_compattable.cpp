// The compatibility table: its name from the version, and which identifications it lists.
#include "settings/compattable.h"

#include <QBuffer>
#include <QTest>

using namespace qv::settings::compat;

class TestCompatTable : public QObject
{
    Q_OBJECT

private slots:
    void tableName_data();
    void tableName();
    void lookup_data();
    void lookup();
};

void TestCompatTable::tableName_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("name");
    QTest::newRow("shipped version") << "1.31"
                                     << "cmptbl_1_3.dll";
    QTest::newRow("leading zero of the minor part") << "2.05"
                                                    << "cmptbl_2_0.dll";
    QTest::newRow("major before the first, minor after the last dot") << "1.2.45"
                                                                      << "cmptbl_1_4.dll";
    QTest::newRow("no minor part") << "1"
                                   << "";
}

void TestCompatTable::tableName()
{
    QFETCH(QString, version);
    QFETCH(QString, name);
    QCOMPARE(tableFileName(version), name);
}

void TestCompatTable::lookup_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("identification");
    QTest::addColumn<bool>("listed");
    const QByteArray shipped = "Q_QV5_FW2.1\nQ_QV3_FW2.1\nQ_BRK2_FW1.4\n";
    QTest::newRow("listed") << shipped << "Q_QV3_FW2.1" << true;
    QTest::newRow("line feed kept in the identification") << shipped << "Q_QV5_FW2.1\n" << false;
    QTest::newRow("lower-case line") << QByteArray("q_qv5_fw2.1\n") << "Q_QV5_FW2.1" << false;
    QTest::newRow("trailing blank is part of the line")
        << QByteArray("Q_QV5_FW2.1 \n") << "Q_QV5_FW2.1" << false;
    QTest::newRow("CR LF line ends") << QByteArray("A\r\nQ_QV5_FW2.1\r\n") << "Q_QV5_FW2.1" << true;
    QTest::newRow("last line without its end")
        << QByteArray("A\nQ_QV5_FW2.1") << "Q_QV5_FW2.1" << true;
    QTest::newRow("a lone CR stays in the line")
        << QByteArray("Q_QV5_FW2.1\rQ_QV3_FW2.1\n") << "Q_QV3_FW2.1" << false;
    QTest::newRow("over-long line passed over")
        << QByteArray(300, 'Q') + "Q_QV5_FW2.1\nQ_QV3_FW2.1\n"
        << "Q_QV3_FW2.1" << true;
    QTest::newRow("too large to be a table")
        << shipped + QByteArray(kMaxTableBytes, '\n') << "Q_QV5_FW2.1" << false;
}

void TestCompatTable::lookup()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, identification);
    QFETCH(bool, listed);
    QBuffer buffer(&table);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QCOMPARE(lists(readTable(buffer), identification), listed);
}

QTEST_GUILESS_MAIN(TestCompatTable)
#include "tst_compattable.moc"
