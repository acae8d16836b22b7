#include "transfer/outcometexts.h"

#include "serial/serialline.h"
#include "transfer/configrecord.h"

#include <QCoreApplication>
#include <QLocale>

namespace qv::transfer {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::Outcome)
};

} // namespace

QString readOutCause(const ReadOutOutcome &outcome)
{
    if (outcome.end != ReadOutEnd::Malformed)
        return {};
    // The read-out ends after this long without a byte.
    const int silenceMs = serial::lines::readOut(QString(), 1200).readTimeout();
    const QString silence = QLocale().toString(silenceMs / 1000.0, 'f', 1);
    if (outcome.overlong)
        return Text::tr("A válasz hosszabb bármely konfigurációnál (%1 bájt): nem a modul "
                        "válaszolt, vagy zajos a vonal.")
            .arg(outcome.received);
    if (outcome.received == 0)
        return Text::tr("A modul nem válaszolt (%1 s csend).").arg(silence);
    switch (outcome.decoded.status) {
    case ReadOutStatus::NoSeparator:
        return Text::tr("%n bájt érkezett mezőelválasztó nélkül: nem konfiguráció, vagy más a "
                        "beállított elválasztó.",
                        nullptr, int(outcome.received));
    case ReadOutStatus::WrongCount:
        if (outcome.decoded.count < record::FieldCount)
            return Text::tr("A válasz megszakadt: %1 mező érkezett az 56 helyett, majd %2 s "
                            "csend.")
                .arg(outcome.decoded.count)
                .arg(silence);
        return Text::tr("%1 mező érkezett az 56 helyett.").arg(outcome.decoded.count);
    case ReadOutStatus::Ok:
        break;
    }
    return {};
}

QString readOutSummary(const QString &model, const QStringList &fields, const QDateTime &when)
{
    QStringList module;
    for (const int field : {ModuleIdField, ModuleNameField}) {
        if (const QString value = fields.value(field).trimmed(); !value.isEmpty())
            module << value;
    }
    QStringList parts{model};
    if (!module.isEmpty())
        parts << module.join(u' ');
    parts << when.toString(QStringLiteral("HH:mm"));
    return Text::tr("Kiolvasva: %1").arg(parts.join(QStringLiteral(", ")));
}

} // namespace qv::transfer
