// The port dialog: the user picks the serial port and the line speed, or lets the
// program search the ports for a module.
//
// The port box offers only the ports that open right now; the table beside it shows
// every port found (the current one always) with what the system knows of it and, for a
// port that cannot be used, why (the advice in its tooltip). When the current port
// cannot be used, nothing is chosen until the user chooses. Built with the auto-search flag, the
// dialog searches before it is shown; after a hit it offers the found port alone and accepts itself
// 200 ms after it appears.
#pragma once

#include "serial/portlist.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace qv::serial::gui {

class setcom : public QDialog
{
    Q_OBJECT

public:
    // `knownPorts`: ports used before, offered while they exist.
    setcom(const QString &port, qint32 baud, int probeTimeout, bool autoSearch,
           const QStringList &knownPorts = {}, QWidget *parent = nullptr);

    // The chosen port and speed (0 when none is selected). OK can be pressed only while a
    // port that opens is chosen.
    QString portName() const;
    qint32 baud() const;

    // The speeds offered, in order.
    static const QList<qint32> &speeds();

public slots:
    // Lists the ports that open now; the chosen port stays chosen when among them, and
    // nothing is chosen otherwise.
    void lookupCom();
    // Searches the listed ports for a module: the last one that answers is kept.
    void autoLookup();

private:
    void fillTable();
    void selectRowOf(const QString &port);
    void takeRowSelection();
    void fitToTable();

    QStringList m_ports;                    // the ports that opened at the last refresh
    QList<qv::serial::PortEntry> m_entries; // every port found by the last refresh
    QString m_initialPort;
    QStringList m_knownPorts;
    QString m_initialBaud;
    int m_probeTimeout = 300;

    QLabel *m_comLabel = nullptr;
    QComboBox *m_comboBox = nullptr;
    QLabel *m_baudLabel = nullptr;
    QComboBox *m_baudrate = nullptr;
    QPushButton *m_autoPort = nullptr;
    QPushButton *m_reload = nullptr;
    QLabel *m_tableLabel = nullptr;
    QTableWidget *m_portTable = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
};

} // namespace qv::serial::gui
