// New, Open and Save: the form to and from configuration files.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "files/configformat.h"
#include "form/fieldrules.h"
#include "form/mainwindowui.h"
#include "settings/branding.h"
#include "settings/datafiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSaveFile>
#include <QTabWidget>

namespace {

const QString kDefaultsFile = QStringLiteral("defval_qv.dll");

// The widgets a configuration file holds, in the order of its lines.
struct FormLists
{
    QList<QLineEdit *> edits;
    QList<QCheckBox *> checks;
    QList<QRadioButton *> radios;

    qsizetype count() const { return edits.size() + checks.size() + radios.size(); }
};

FormLists formLists(const Ui::MainWindow &ui)
{
    FormLists lists;
    for (QGroupBox *box : {ui.g_general, ui.g_analog, ui.g_be, ui.g_ki, ui.g_activate, ui.g_tel})
        lists.edits += box->findChildren<QLineEdit *>();
    lists.checks = ui.g_tel->findChildren<QCheckBox *>();
    for (QGroupBox *box : {ui.g_tel, ui.g_analog, ui.g_ki_csengetes})
        lists.radios += box->findChildren<QRadioButton *>();
    return lists;
}

QStringList formValues(const FormLists &lists)
{
    QStringList values;
    values.reserve(lists.count());
    for (const QLineEdit *edit : lists.edits)
        values << edit->text();
    for (const QCheckBox *box : lists.checks)
        values << qv::config::flagLine(box->isChecked());
    for (const QRadioButton *button : lists.radios)
        values << qv::config::flagLine(button->isChecked());
    return values;
}

// Writes `values` into the form. Disabled fields stay empty (only the fixed "+" boxes
// and the SMS centre number take their value), disabled boxes stay unticked.
void applyValues(const FormLists &lists, const QStringList &values, const QLineEdit *smskp)
{
    qsizetype line = 0;
    for (QLineEdit *edit : lists.edits) {
        const QString &text = values.at(line++);
        edit->clear();
        if (edit->isEnabled() || text == QLatin1StringView("+") || edit == smskp)
            edit->setText(text);
    }
    // Ticking runs check_cbs, which keeps the RING and SMS boxes consistent; they come
    // after the alarm sources, so their enabled state is settled when their turn comes.
    for (QCheckBox *box : lists.checks)
        box->setChecked(qv::config::isSetLine(values.at(line++)) && box->isEnabled());
    // In an exclusive row, unchecking the selected button changes nothing; checking one
    // unchecks the others.
    for (QRadioButton *button : lists.radios)
        button->setChecked(qv::config::isSetLine(values.at(line++)) && button->isEnabled());
}

} // namespace

void MainWindow::newfile()
{
    settings.FileName = kDefaultsFile;
    settings.FilePath = kDefaultsFile;
    loadFile(true);
}

void MainWindow::openfile()
{
    settings.FilePath =
        qv::chooseFileToOpen(this, QStringLiteral("Fájl megnyitása"), QStringLiteral("."),
                             QStringLiteral("Quorvel Files (*.msw);;All Files (*.*)"));
    if (!settings.FilePath.isEmpty())
        loadFile(false);
}

void MainWindow::save()
{
    ui->tabWidget->setCurrentIndex(0);
    const QString path =
        qv::chooseFileToSave(this, QStringLiteral("Fájl mentése"), QStringLiteral("."),
                             QStringLiteral("Quorvel Files (*.msw)"));
    if (path.isEmpty())
        return;

    // The old file is replaced only once the new one is completely written. A short
    // write (a full disk) shows only in flush(): commit() would still rename the
    // truncated file into place, so a failed flush cancels the save.
    const QByteArray contents = qv::config::writeConfig(formValues(formLists(*ui)));
    QSaveFile file(path);
    bool saved =
        file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.flush();
    QString reason = file.errorString();
    if (saved) {
        saved = file.commit();
        reason = file.errorString();
    } else {
        file.cancelWriting();
    }
    if (!saved) {
        qv::showMessage(this, QMessageBox::Critical, QStringLiteral("File hiba"),
                        QStringLiteral("A(z) %1 fájl mentése nem sikerült.\n%2")
                            .arg(QFileInfo(path).fileName(), reason));
        return;
    }

    settings.FilePath = path;
    settings.FileName = qv::config::displayFileName(path);
    fileLabel->setText(settings.FileName);
    qv::showMessage(this, QMessageBox::Information, QStringLiteral("Mentés"),
                    QStringLiteral("Sikeres mentés."));
}

void MainWindow::loadFile(bool defaults)
{
    ui->tabWidget->setCurrentIndex(0);

    // The defaults file is looked for among the data files and fails silently: a
    // module is usable without it.
    const bool defaultsFile = settings.FilePath == kDefaultsFile;
    const QString path = defaultsFile ? qv::locateDataFile(kDefaultsFile) : settings.FilePath;
    const QString name = QFileInfo(settings.FilePath).fileName();
    auto report = [&](QMessageBox::Icon icon, const QString &text) {
        if (!defaultsFile)
            qv::showMessage(this, icon, QStringLiteral("File hiba"), text);
    };

    const QFileInfo info(path);
    if (!info.exists())
        return report(QMessageBox::Critical, QStringLiteral("A kiválasztott fájl nem létezik."));
    // Only a plain file: opening a named pipe would wait for a writer for ever, and a
    // folder or a device holds no configuration.
    if (!info.isFile())
        return report(QMessageBox::Critical,
                      QStringLiteral("A(z) %1 fájl nem olvasható.").arg(name));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return report(
            QMessageBox::Critical,
            QStringLiteral("A(z) %1 fájl nem olvasható.\n%2").arg(name, file.errorString()));
    }
    const FormLists lists = formLists(*ui);
    const qv::config::ReadResult read = qv::config::readConfig(file, int(lists.count()));
    file.close();

    switch (read.status) {
    case qv::config::ReadStatus::Ok:
        break;
    case qv::config::ReadStatus::TooFewLines:
        return report(QMessageBox::Warning,
                      QStringLiteral("A kiválasztott file \"%1\" nem nyitható meg a jelenlegi "
                                     "verzióval.\nKérem töltse le a legújabb verziót a '%2' "
                                     "oldalról,\nmajd töltse be a 'defval_qv.dll' fájlt!")
                          .arg(name, qv::makerWebAddress()));
    case qv::config::ReadStatus::LineTooLong:
    case qv::config::ReadStatus::ReadError:
    case qv::config::ReadStatus::WideText:
        return report(QMessageBox::Critical,
                      QStringLiteral("A(z) %1 fájl szintaxisa hibás.").arg(name));
    }

    applyValues(lists, read.values, ui->get<QLineEdit>("smskp"));

    if (defaults) {
        if (read.footer.size() > 0)
            settings.FooterText = read.footer.at(0);
        if (read.footer.size() > 1)
            settings.FooterText2 = read.footer.at(1);
        replaceLinkLabel();
    }
    settings.FileName = qv::config::displayFileName(settings.FilePath);
    settings.DownloadRecord.clear();
    // Changing the selector runs smskpSelect, which sets up the number field.
    ui->get<QComboBox>("smskp_combo")
        ->setCurrentIndex(qv::rules::operatorIndexFor(ui->get<QLineEdit>("smskp")->text()));
    fileLabel->setText(settings.FileName);
}
