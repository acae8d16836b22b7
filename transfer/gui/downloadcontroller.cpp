#include "transfer/gui/downloadcontroller.h"

#include "form/catalogue.h"
#include "form/deviceprofile.h"
#include "form/gui/formbinding.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"
#include "transfer/gui/dload.h"
#include "transfer/gui/readoutexchange.h"

namespace qv::transfer::gui {

DownloadController::DownloadController(std::function<settings::devSettings()> settings,
                                       form::gui::FormBinding &form, QWidget *window,
                                       QObject *parent)
    : QObject(parent), m_settings(std::move(settings)), m_form(form), m_window(window)
{
}

void DownloadController::refuseAt(const QString &field, const QString &text)
{
    m_form.reveal(field);
    qv::settings::gui::showMessage(m_window, QMessageBox::Critical, tr("Hiba"), text);
}

qv::transfer::FormValues DownloadController::recordValues(const form::gui::FormBinding &form)
{
    qv::transfer::FormValues values;
    for (const form::Field &field : form::configurationFields()) {
        switch (field.kind) {
        case form::Kind::LineEdit:
            values.texts.insert(field.name, form.text(field.name));
            break;
        case form::Kind::CheckBox:
            if (const form::Item *item = form::findItem(field.name);
                item && !item->groupProperty.isEmpty())
                values.matrix.append(
                    {QString::fromLatin1(item->groupProperty), form.isChecked(field.name)});
            break;
        case form::Kind::RadioButton:
            values.radios.append({field.name, form.isChecked(field.name)});
            break;
        default:
            break;
        }
    }
    for (int n = 1; n <= 4; ++n) {
        if (form.isChecked(QStringLiteral("b%1").arg(n)))
            values.monostable |= 1 << (n - 1);
    }
    values.range15 = form.isChecked(QStringLiteral("max_be_15"));
    return values;
}

std::optional<QString> DownloadController::assembleRecord()
{
    const settings::devSettings current = m_settings();
    const QChar separator(char16_t(quint8(current.DownloadSeparator)));
    qv::transfer::FormValues values = recordValues(m_form);
    // The form is shaped for the module already; this keeps a record from ever holding
    // what the module lacks.
    values.profile = qv::form::device::profileFor(current.DeviceModel);
    const qv::transfer::Assembly assembly = qv::transfer::assembleDownload(values, separator);
    for (int i = 0; i < assembly.unreadableTags; ++i)
        qCDebug(qv::transfer::lcTransfer) << "toInt error.";

    if (assembly.status != qv::transfer::AssemblyStatus::Ok) {
        refuseAt(assembly.field, qv::transfer::assemblyProblem(assembly, separator));
        return std::nullopt;
    }
    return assembly.record;
}

void DownloadController::download()
{
    m_form.showPage(0);
    emit recordChanged(QString());

    const QStringList required = qv::form::device::requiredTextFields(
        [this](const QString &field) { return m_form.isEnabled(field); });
    for (const QString &field : required) {
        if (m_form.text(field).isEmpty()) {
            refuseAt(field, tr("Minden beviteli mező kitöltése kötelező!"));
            return;
        }
    }

    const std::optional<QString> record = assembleRecord();
    if (!record)
        return;
    if (qv::settings::preferences::backupBeforeDownload() && !backUp())
        return;
    emit recordChanged(*record);
    settings::devSettings copy = m_settings();
    copy.DownloadRecord = *record;
    dload dialog(copy, m_window);
    dialog.exec();
    emit exchanged(dialog.report());
    emit verificationShown(dialog.readBackRan() ? dialog.resultText() : QString());
    if (dialog.matchesModule())
        emit written();
}

bool DownloadController::backUp()
{
    const qv::transfer::ReadOut done = readOutModule(qv::transfer::linkOf(m_settings()),
                                                     qv::transfer::ExchangeKind::Backup, m_window);
    const qv::transfer::ReadOutOutcome &outcome = done.outcome;
    emit exchanged(done.report);
    switch (outcome.end) {
    case qv::transfer::ReadOutEnd::Ok:
        return true;
    case qv::transfer::ReadOutEnd::Cancelled: // the user stopped the whole command
        return false;
    default:
        break;
    }
    return qv::settings::gui::askYesNo(m_window, tr("Kiolvasás betöltés előtt"),
                                       tr("%1\n\nA modul mostani konfigurációja nem került a "
                                          "nyilvántartásba. Betölti mégis az űrlapot az eszközbe?")
                                           .arg(qv::transfer::readOutFailureText(outcome)));
}

} // namespace qv::transfer::gui
