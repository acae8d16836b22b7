// Writing the form into the module: the completeness check, the record, the transfer.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "form/mainwindowui.h"
#include "transfer/configrecord.h"
#include "transfer/dload.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

namespace {

// Shows the page that holds `edit`, puts the focus there and reports `text`.
void refuseAt(QWidget *window, QTabWidget *tabs, QLineEdit *edit, const QString &text)
{
    for (int page = 0; page < tabs->count(); ++page) {
        if (tabs->widget(page)->isAncestorOf(edit))
            tabs->setCurrentIndex(page);
    }
    edit->setFocus(Qt::OtherFocusReason);
    qv::showMessage(window, QMessageBox::Critical, QStringLiteral("Hiba"), text);
}

} // namespace

void MainWindow::download()
{
    ui->tabWidget->setCurrentIndex(0);
    settings.DownloadRecord.clear();

    // Every enabled field of these boxes must be filled; the telephone numbers need not.
    for (QGroupBox *box : {ui->g_general, ui->g_analog, ui->g_be, ui->g_ki, ui->g_activate}) {
        for (QLineEdit *edit : box->findChildren<QLineEdit *>()) {
            if (edit->isEnabled() && edit->text().isEmpty()) {
                refuseAt(this, ui->tabWidget, edit,
                         QStringLiteral("Minden beviteli mező kitöltése kötelező!"));
                return;
            }
        }
    }

    qv::transfer::FormValues values;
    for (const QLineEdit *edit : ui->centralWidget->findChildren<QLineEdit *>())
        values.texts.insert(edit->objectName(), edit->text());
    for (const QCheckBox *box : ui->centralWidget->findChildren<QCheckBox *>()) {
        const QVariant group = box->property("group");
        if (group.isValid())
            values.matrix.append({group.toString(), box->isChecked()});
    }
    for (const QRadioButton *button : ui->centralWidget->findChildren<QRadioButton *>())
        values.radios.append({button->objectName(), button->isChecked()});
    for (int n = 1; n <= 4; ++n) {
        if (ui->get<QRadioButton>("b" + QByteArray::number(n))->isChecked())
            values.monostable |= 1 << (n - 1);
    }
    values.range15 = ui->get<QRadioButton>("max_be_15")->isChecked();

    const QChar separator(char16_t(quint8(settings.DownloadSeparator)));
    const qv::transfer::Assembly assembly = qv::transfer::assembleDownload(values, separator);
    for (int i = 0; i < assembly.unreadableTags; ++i)
        qCDebug(qv::lcTransfer) << "toInt error.";

    switch (assembly.status) {
    case qv::transfer::AssemblyStatus::Ok:
        break;
    case qv::transfer::AssemblyStatus::SeparatorInText:
        refuseAt(this, ui->tabWidget, ui->get<QLineEdit>(assembly.field.toLatin1()),
                 QStringLiteral("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!")
                     .arg(qv::transfer::fieldCaption(assembly.field), separator));
        return;
    case qv::transfer::AssemblyStatus::LineBreakInText:
        refuseAt(this, ui->tabWidget, ui->get<QLineEdit>(assembly.field.toLatin1()),
                 QStringLiteral("A(z) \"%1\" mező nem tartalmazhat sortörést!")
                     .arg(qv::transfer::fieldCaption(assembly.field)));
        return;
    case qv::transfer::AssemblyStatus::CharacterWithoutByte:
        refuseAt(this, ui->tabWidget, ui->get<QLineEdit>(assembly.field.toLatin1()),
                 QStringLiteral("A(z) \"%1\" mező nem tartalmazhat \"%2\" karaktert!")
                     .arg(qv::transfer::fieldCaption(assembly.field), assembly.character));
        return;
    }

    settings.DownloadRecord = assembly.record;
    dload dialog(settings, this);
    dialog.exec();
}
