// The serial ports the port dialog offers, and what the system knows of each.
//
// Windows: COM1 to COM32. Linux and other Unix systems: the ports the system lists
// (ttyS0, ttyUSB0, ttyACM0, ...). Everywhere also the current port, and the ports used
// before while they exist (a pseudo-terminal, a /dev/serial/by-id/ link: the system does
// not list them). Each port is tried: one that does not open (held by another program, not
// permitted, gone) is reported with the reason, and only those that open can be chosen.
#pragma once

#include "serial/openfailure.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qv::serial {

// What the system tells about a serial port.
struct PortDescription
{
    QString name{};         // what the user chooses and the settings keep: "ttyUSB0", "COM3"
    QString description{};  // the USB product text, e.g. "FT232R USB UART"
    QString manufacturer{}; // e.g. "FTDI"
    QString serialNumber{};
    std::optional<quint16> vendorId{};
    std::optional<quint16> productId{};
    QString byIdPath{}; // the stable /dev/serial/by-id/... name that leads to it (Linux)
    // The system lists it as a serial port. COM1..COM32 are tried on Windows whether or
    // not they exist; one that is neither listed nor there is no port at all.
    bool listed = true;

    friend bool operator==(const PortDescription &, const PortDescription &) = default;
};

// The names to try, in order, before any is opened: COM1..COM32 on Windows, the system's
// serial ports in natural order ("ttyS2" before "ttyS10") elsewhere.
QStringList candidatePorts();
// The same ports with what the system knows of them.
QList<PortDescription> describedPorts();

// Replaces describedPorts() and candidatePorts() (tests: no real port of the machine is
// touched); an empty function restores the system's list. setPortEnumerator gives names
// only, setPortDescriber the details too.
using PortEnumerator = std::function<QStringList()>;
void setPortEnumerator(PortEnumerator enumerator);
using PortDescriber = std::function<QList<PortDescription>()>;
void setPortDescriber(PortDescriber describer);

// Opens the port exclusively and closes it at once: nothing when that worked, otherwise
// why not.
std::optional<OpenFailure> tryOpenPort(const QString &name);
bool portOpens(const QString &name);

// A port found, and why it cannot be used (nothing: it opens).
struct PortEntry
{
    PortDescription port;
    std::optional<OpenFailure> failure;

    bool opens() const { return !failure; }
};

// Every port found, in candidate order, each tried; then `currentPort` when it is not
// among them (always, with why it cannot be used), and each of `knownPorts` (ports used
// before: the system does not list pseudo-terminals or links) that is not among them and
// exists.
QList<PortEntry> surveyPorts(const QString &currentPort, const QStringList &knownPorts = {});

// Whether two port names reach the same device ("ttyUSB0" and "/dev/ttyUSB0", or a
// by-id link and its target).
bool samePort(const QString &a, const QString &b);

} // namespace qv::serial
