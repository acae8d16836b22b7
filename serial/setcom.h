// The port dialog: the user picks the serial port and the line speed, or lets the
// program search the ports for a module.
//
// The port box offers only the ports that open right now; the table beside it shows
// every port found with what the system knows of it and, for a port that cannot be
// used, why (the advice in its tooltip). Built with the auto-search flag, the dialog
// searches before it is shown; after a hit it offers the found port alone and accepts
// itself 200 ms after it appears.
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

class setcom : public QDialog
{
    Q_OBJECT

public:
    setcom(const QString &port, qint32 baud, int probeTimeout, bool autoSearch,
           QWidget *parent = nullptr);

    // The chosen port (empty when no port opened) and speed (0 when none is selected).
    QString portName() const;
    qint32 baud() const;

    // The speeds offered, in order.
    static const QList<qint32> &speeds();

public slots:
    // Lists the ports that open now; the current port is preselected when among them.
    void lookupCom();
    // Searches the listed ports for a module: the last one that answers is kept.
    void autoLookup();

private:
    void fillTable();
    void selectRowOf(const QString &port);
    void takeRowSelection();
    void fitToTable();

    QStringList m_ports;            // the ports that opened at the last refresh
    QList<qv::PortEntry> m_entries; // every port found by the last refresh
    QString m_initialPort;
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
