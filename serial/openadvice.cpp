#include "serial/openadvice.h"

#include <QStringList>

namespace qv {

namespace {

using Kind = OpenFailure::Kind;

// The system's words without a closing full stop ("Access is denied." on Windows), so
// that the sentence around them ends only once.
QString systemWords(const OpenFailure &failure)
{
    QString text = failure.systemText.trimmed();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("ismeretlen hiba") : text;
}

QString holderText(const OpenFailure &failure)
{
    if (failure.holderProgram.isEmpty() && failure.holderPid <= 0)
        return {};
    if (failure.holderPid <= 0)
        return failure.holderProgram;
    if (failure.holderProgram.isEmpty())
        return QStringLiteral("PID %1").arg(failure.holderPid);
    return QStringLiteral("%1 (PID %2)").arg(failure.holderProgram).arg(failure.holderPid);
}

// The group whose members may use the device, when asking to join it is sound advice.
bool groupHelps(const OpenFailure &failure)
{
    return !failure.group.isEmpty() && failure.groupGrantsAccess &&
           failure.group != QStringLiteral("root");
}

} // namespace

QString failedPortName(const OpenFailure &failure, PortNaming naming)
{
    if (naming == PortNaming::Windows || failure.path.isEmpty() || failure.port.isEmpty())
        return failure.port.isEmpty() ? failure.path : failure.port;
    if (failure.path == failure.port || failure.path == QStringLiteral("/dev/") + failure.port)
        return failure.path;
    return QStringLiteral("%1 (%2)").arg(failure.port, failure.path);
}

QString openFailureReason(const OpenFailure &failure, PortNaming naming)
{
    switch (failure.kind) {
    case Kind::PermissionDenied:
        if (naming == PortNaming::Windows)
            return QStringLiteral("foglalt vagy nincs hozzáférés");
        if (groupHelps(failure))
            return QStringLiteral("nincs jogosultság (\"%1\" csoport)").arg(failure.group);
        return failure.group.isEmpty() ? QStringLiteral("nincs jogosultság")
                                       : QStringLiteral("nincs jogosultság (csak rendszergazda)");
    case Kind::Busy: {
        const QString holder = holderText(failure);
        return holder.isEmpty() ? QStringLiteral("foglalt: egy másik program használja")
                                : QStringLiteral("foglalt: ") + holder;
    }
    case Kind::Missing:
        return failure.path.isEmpty() ? QStringLiteral("nincs megadva")
                                      : QStringLiteral("nem található");
    case Kind::Other:
        break;
    }
    return QStringLiteral("nem nyitható meg: ") + systemWords(failure);
}

QString openFailureRemedy(const OpenFailure &failure, PortNaming naming)
{
    switch (failure.kind) {
    case Kind::PermissionDenied:
        if (naming == PortNaming::Windows)
            return QStringLiteral("Zárja be a portot használó programot, majd próbálja újra.");
        if (failure.groupPendingLogin && !failure.group.isEmpty())
            return QStringLiteral("A felhasználó már tagja a(z) \"%1\" csoportnak, de ez csak "
                                  "új bejelentkezés után érvényes: jelentkezzen ki, majd be "
                                  "újra.")
                .arg(failure.group);
        if (groupHelps(failure))
            return QStringLiteral("Adja hozzá a felhasználót a(z) \"%1\" csoporthoz (sudo "
                                  "usermod -aG %1 $USER), majd jelentkezzen be újra.")
                .arg(failure.group);
        return QStringLiteral("A portot csak rendszergazdai jogosultsággal lehet használni: "
                              "kérje a rendszergazdát, hogy adjon hozzáférést.");
    case Kind::Busy:
        return QStringLiteral("Zárja be a portot használó programot, majd próbálja újra.");
    case Kind::Missing:
        if (failure.path.isEmpty())
            return QStringLiteral("Válasszon portot az \"Eszköz csatlakoztatása\" gombbal.");
        return QStringLiteral("Ellenőrizze, hogy az eszköz csatlakoztatva van-e, majd "
                              "válassza ki újra a portot.");
    case Kind::Other:
        break;
    }
    return QStringLiteral("Ellenőrizze az eszközt és a port beállítását.");
}

QString openFailureAdvice(const OpenFailure &failure, PortNaming naming)
{
    const QString name = failedPortName(failure, naming);
    QString what;
    switch (failure.kind) {
    case Kind::PermissionDenied:
        if (naming == PortNaming::Windows)
            what = QStringLiteral("A(z) %1 port nem nyitható meg: egy másik program használja, "
                                  "vagy a hozzáférés nem engedélyezett (%2).")
                       .arg(name, systemWords(failure));
        else if (!groupHelps(failure))
            what = QStringLiteral("Nincs jogosultság a(z) %1 port használatához.").arg(name);
        else
            what = QStringLiteral("Nincs jogosultság a(z) %1 port használatához (a port a(z) "
                                  "\"%2\" csoporté).")
                       .arg(name, failure.group);
        break;
    case Kind::Busy: {
        const QString holder = holderText(failure);
        what = holder.isEmpty()
                   ? QStringLiteral("A(z) %1 portot egy másik program használja.").arg(name)
                   : QStringLiteral("A(z) %1 portot egy másik program használja: %2.")
                         .arg(name, holder);
        break;
    }
    case Kind::Missing:
        what = failure.path.isEmpty() ? QStringLiteral("Nincs kiválasztva port.")
                                      : QStringLiteral("A(z) %1 port nem található.").arg(name);
        break;
    case Kind::Other:
        what = QStringLiteral("A(z) %1 port nem nyitható meg: %2.").arg(name, systemWords(failure));
        break;
    }
    return what + u' ' + openFailureRemedy(failure, naming);
}

QString unusablePortsSummary(const QList<OpenFailure> &failures, PortNaming naming)
{
    if (failures.isEmpty())
        return {};
    QStringList lines{QStringLiteral("Nem használható portok:")};
    QStringList remedies;
    for (const OpenFailure &failure : failures) {
        lines << QStringLiteral("%1: %2").arg(failedPortName(failure, naming),
                                              openFailureReason(failure, naming));
        const QString remedy = openFailureRemedy(failure, naming);
        if (!remedies.contains(remedy))
            remedies << remedy;
    }
    return lines.join(u'\n') + QStringLiteral("\n\n") + remedies.join(u'\n');
}

} // namespace qv
