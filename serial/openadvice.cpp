#include "serial/openadvice.h"

#include <QCoreApplication>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qv::serial {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::OpenAdvice)
};

using Kind = OpenFailure::Kind;

// The system's words without a closing full stop ("Access is denied." on Windows), so
// that the sentence around them ends only once.
QString systemWords(const OpenFailure &failure)
{
    QString text = failure.systemText.trimmed();
    while (text.endsWith(u'.'))
        text.chop(1);
    return text.isEmpty() ? Text::tr("ismeretlen hiba") : text;
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

using Lock = OpenFailure::Lock;

// The command that removes a lock file; root needs no sudo.
QString removeCommand(const QString &path)
{
#ifdef Q_OS_UNIX
    const bool root = ::geteuid() == 0;
#else
    const bool root = false;
#endif
    return (root ? QStringLiteral("rm ") : QStringLiteral("sudo rm ")) + shellQuoted(path);
}

// The sentence about a lock file that keeps the port although no program uses it.
QString lockSentence(const OpenFailure &failure, const QString &name)
{
    switch (failure.lock) {
    case Lock::Stale:
        return failure.lockPid > 0
                   ? Text::tr("A(z) %1 portot egy elavult zárolófájl tartja foglaltként: "
                              "%2 (az azt létrehozó folyamat, PID %3, már nem fut).")
                         .arg(name, failure.lockFile)
                         .arg(failure.lockPid)
                   : Text::tr("A(z) %1 portot egy elavult zárolófájl tartja foglaltként: "
                              "%2.")
                         .arg(name, failure.lockFile);
    case Lock::Foreign:
        return Text::tr("A(z) %1 portot a(z) %2 zárolófájl tartja foglaltként, de az abban "
                        "megnevezett folyamat (PID %3) nem használja a portot.")
            .arg(name, failure.lockFile)
            .arg(failure.lockPid);
    case Lock::Invalid:
        return Text::tr("A(z) %1 portot a(z) %2 fájl tartja foglaltként, amely nem "
                        "szabályos zárolófájl (például csővezeték vagy hivatkozás).")
            .arg(name, failure.lockFile);
    case Lock::None:
        break;
    }
    return {};
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
            return Text::tr("foglalt vagy nincs hozzáférés");
        if (failure.userMayUse)
            return Text::tr("a rendszer megtagadta a hozzáférést");
        if (groupHelps(failure))
            return Text::tr("nincs jogosultság (\"%1\" csoport)").arg(failure.group);
        return failure.group.isEmpty() ? Text::tr("nincs jogosultság")
                                       : Text::tr("nincs jogosultság (csak rendszergazda)");
    case Kind::Busy: {
        switch (failure.lock) {
        case Lock::Stale:
            return Text::tr("foglalt: elavult zárolófájl");
        case Lock::Foreign:
            return Text::tr("foglalt: idegen zárolófájl");
        case Lock::Invalid:
            return Text::tr("foglalt: hibás zárolófájl");
        case Lock::None:
            break;
        }
        const QString holder = holderText(failure);
        return holder.isEmpty() ? Text::tr("foglalt: egy másik program használja")
                                : Text::tr("foglalt: %1").arg(holder);
    }
    case Kind::Missing:
        return failure.path.isEmpty() ? Text::tr("nincs megadva") : Text::tr("nem található");
    case Kind::Other:
        break;
    }
    return Text::tr("nem nyitható meg: %1").arg(systemWords(failure));
}

QString openFailureRemedy(const OpenFailure &failure, PortNaming naming)
{
    switch (failure.kind) {
    case Kind::PermissionDenied:
        if (naming == PortNaming::Windows)
            return Text::tr("Zárja be a portot használó programot, majd próbálja újra.");
        if (failure.userMayUse)
            return Text::tr("Ezt nem a felhasználó jogosultságai okozzák, hanem a rendszer "
                            "(például egy konténer vagy egy eszközöket tiltó csatolás): "
                            "kérje a rendszergazdát, hogy engedélyezze az eszközt.");
        if (failure.groupPendingLogin && !failure.group.isEmpty())
            return Text::tr("A felhasználó már tagja a(z) \"%1\" csoportnak, de ez csak "
                            "új bejelentkezés után érvényes: jelentkezzen ki, majd be "
                            "újra.")
                .arg(failure.group);
        if (groupHelps(failure))
            return Text::tr("Adja hozzá a felhasználót a(z) \"%1\" csoporthoz (sudo "
                            "usermod -aG %1 $USER), majd jelentkezzen be újra.")
                .arg(failure.group);
        return Text::tr("A portot csak rendszergazdai jogosultsággal lehet használni: "
                        "kérje a rendszergazdát, hogy adjon hozzáférést.");
    case Kind::Busy:
        if (failure.lock != Lock::None)
            return Text::tr("Törölje a zárolófájlt (%1), majd próbálja újra.")
                .arg(removeCommand(failure.lockFile));
        return Text::tr("Zárja be a portot használó programot, majd próbálja újra.");
    case Kind::Missing:
        if (failure.path.isEmpty())
            return Text::tr("Válasszon portot az \"Eszköz csatlakoztatása\" gombbal.");
        return Text::tr("Ellenőrizze, hogy az eszköz csatlakoztatva van-e, majd "
                        "válassza ki újra a portot.");
    case Kind::Other:
        break;
    }
    return Text::tr("Ellenőrizze az eszközt és a port beállítását.");
}

QString openFailureAdvice(const OpenFailure &failure, PortNaming naming)
{
    const QString name = failedPortName(failure, naming);
    QString what;
    switch (failure.kind) {
    case Kind::PermissionDenied:
        if (naming == PortNaming::Windows)
            what = Text::tr("A(z) %1 port nem nyitható meg: egy másik program használja, "
                            "vagy a hozzáférés nem engedélyezett (%2).")
                       .arg(name, systemWords(failure));
        else if (failure.userMayUse)
            what = Text::tr("A rendszer megtagadta a(z) %1 port megnyitását, bár a "
                            "fájl jogosultságai szerint a felhasználó használhatja "
                            "(megpróbálva: megnyitás olvasásra és írásra – %2).")
                       .arg(name, systemWords(failure));
        else if (!groupHelps(failure))
            what = Text::tr("Nincs jogosultság a(z) %1 port használatához.").arg(name);
        else
            what = Text::tr("Nincs jogosultság a(z) %1 port használatához (a port a(z) "
                            "\"%2\" csoporté).")
                       .arg(name, failure.group);
        break;
    case Kind::Busy: {
        if (failure.lock != Lock::None) {
            what = lockSentence(failure, name);
            break;
        }
        const QString holder = holderText(failure);
        what = holder.isEmpty()
                   ? Text::tr("A(z) %1 portot egy másik program használja.").arg(name)
                   : Text::tr("A(z) %1 portot egy másik program használja: %2.").arg(name, holder);
        break;
    }
    case Kind::Missing:
        what = failure.path.isEmpty() ? Text::tr("Nincs kiválasztva port.")
                                      : Text::tr("A(z) %1 port nem található.").arg(name);
        break;
    case Kind::Other:
        what = Text::tr("A(z) %1 port nem nyitható meg: %2.").arg(name, systemWords(failure));
        break;
    }
    return what + u' ' + openFailureRemedy(failure, naming);
}

QString unusablePortsSummary(const QList<OpenFailure> &failures, PortNaming naming)
{
    if (failures.isEmpty())
        return {};
    QStringList lines{Text::tr("Nem használható portok:")};
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

} // namespace qv::serial
