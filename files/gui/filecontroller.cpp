#include "files/gui/filecontroller.h"

#include "files/configfile.h"
#include "files/configformat.h"
#include "form/catalogue.h"
#include "form/fieldrules.h"
#include "form/gui/formbinding.h"
#include "settings/branding.h"
#include "settings/datafiles.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"

#include <QFile>
#include <QFileInfo>

namespace qv::files::gui {

namespace {

const QString kDefaultsFile = QStringLiteral("defval_qv.dll");

// Writes the values of a configuration file into the form. Disabled fields stay empty
// (only the fixed "+" boxes and the SMS centre number take their value), disabled boxes
// stay unticked.
void applyValues(form::gui::FormBinding &form, const QStringList &values)
{
    const QList<form::Field> &fields = form::configurationFields();
    for (qsizetype line = 0; line < fields.size(); ++line) {
        const form::Field &field = fields.at(line);
        const QString &value = values.at(line);
        switch (field.kind) {
        case form::Kind::LineEdit:
            form.clear(field.name);
            if (form.isEnabled(field.name) || value == QLatin1StringView("+") ||
                field.name == QLatin1StringView("smskp"))
                form.setText(field.name, value);
            break;
        // Ticking runs check_cbs, which keeps the RING and SMS boxes consistent; they come
        // after the alarm sources, so their enabled state is settled when their turn comes.
        // In an exclusive row, unchecking the selected button changes nothing; checking one
        // unchecks the others.
        case form::Kind::CheckBox:
        case form::Kind::RadioButton:
            form.setChecked(field.name, qv::files::isSetLine(value) && form.isEnabled(field.name));
            break;
        default:
            break;
        }
    }
}

} // namespace

FileController::FileController(form::gui::FormBinding &form, QWidget *window, QObject *parent)
    : QObject(parent), m_form(form), m_window(window)
{
}

void FileController::setFile(const QString &path, const QString &name)
{
    m_path = path;
    m_name = name;
    emit fileChanged(m_path, m_name);
}

void FileController::newFile()
{
    setFile(kDefaultsFile, kDefaultsFile);
    load(true);
}

void FileController::openFile()
{
    setFile(qv::settings::gui::chooseFileToOpen(m_window, tr("Fájl megnyitása"),
                                                QStringLiteral("."),
                                                tr("Quorvel Files (*.msw);;All Files (*.*)")),
            m_name);
    if (!m_path.isEmpty())
        load(false);
}

void FileController::openPath(const QString &path)
{
    setFile(path, m_name);
    load(false);
}

bool FileController::save()
{
    m_form.showPage(0);
    const QString path = chooseAndWrite(m_form.values(form::configurationFields()), m_window);
    if (path.isEmpty())
        return false;
    setFile(path, qv::files::displayFileName(path));
    emit fileNameChanged(m_name);
    emit saved();
    qv::settings::gui::showMessage(m_window, QMessageBox::Information, tr("Mentés"),
                                   tr("Sikeres mentés."));
    return true;
}

bool FileController::saveValues(const QStringList &values, QWidget *parent)
{
    if (chooseAndWrite(values, parent).isEmpty())
        return false;
    qv::settings::gui::showMessage(parent, QMessageBox::Information, tr("Mentés"),
                                   tr("Sikeres mentés."));
    return true;
}

QString FileController::chooseAndWrite(const QStringList &values, QWidget *parent)
{
    const QString caption = tr("Fájl mentése");
    const QString chosen = qv::settings::gui::chooseFileToSave(
        parent, caption, QStringLiteral("."), tr("Quorvel Files (*.msw)"), qv::files::kSuffix);
    if (chosen.isEmpty())
        return {};
    // A name typed without a suffix gets ".msw"; a folder stays what it is, and the save
    // into it fails with its reason.
    const QString path = QFileInfo(chosen).isDir() ? chosen : qv::files::withDefaultSuffix(chosen);
    // The dialog asked about the name it returned, not about the one with the suffix: a
    // desktop's own dialog lets "x" through while "x.msw" exists.
    if (path != chosen && QFileInfo::exists(path) &&
        !qv::settings::gui::confirmReplace(parent, caption, path))
        return {};

    // The old file is replaced only once the new one is completely written.
    if (const QString reason = qv::files::saveConfig(path, values); !reason.isEmpty()) {
        qv::settings::gui::showMessage(
            parent, QMessageBox::Critical, tr("File hiba"),
            tr("A(z) %1 fájl mentése nem sikerült.\n%2").arg(QFileInfo(path).fileName(), reason));
        return {};
    }
    return path;
}

void FileController::load(bool defaults)
{
    m_form.showPage(0);

    // The defaults file is looked for among the data files and fails silently: a
    // module is usable without it.
    const bool defaultsFile = m_path == kDefaultsFile;
    const QString path = defaultsFile ? qv::settings::locateDataFile(kDefaultsFile) : m_path;
    const qv::files::ConfigFile read =
        qv::files::readConfigFile(path, int(form::configurationFields().size()));
    if (read.problem != qv::files::FileProblem::None) {
        if (!defaultsFile)
            qv::settings::gui::showMessage(
                m_window, read.serious ? QMessageBox::Critical : QMessageBox::Warning,
                tr("File hiba"), read.refusal);
        return;
    }

    applyValues(m_form, read.values);

    if (defaults)
        emit footerChanged(read.footer.mid(0, 2));
    // Changing the selector runs smskpSelect, which sets up the number field.
    m_form.setSmsOperator(qv::form::rules::operatorIndexFor(m_form.text(QStringLiteral("smskp"))));
    setFile(m_path, qv::files::displayFileName(m_path));
    emit fileNameChanged(m_name);
    emit loaded();
}

} // namespace qv::files::gui
