#include "sheet/gui/sheetcontroller.h"

#include "form/catalogue.h"
#include "form/gui/formbinding.h"
#include "register/entry.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"
#include "sheet/content.h"
#include "sheet/document.h"
#include "sheet/gui/sheetdialog.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace qv::sheet::gui {

namespace {

// Leaves the printer's paper as the user has it; only margins too narrow for a printed
// page are widened.
const QMarginsF kLeastMargins(15, 14, 15, 14); // millimetres

QString valueOf(const QStringList &values, const QString &field)
{
    const QList<form::Field> &fields = form::configurationFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name == field)
            return values.value(i).trimmed();
    }
    return {};
}

} // namespace

SheetController::SheetController(qv::transfer::LinkSource link, const QString &programVersion,
                                 form::gui::FormBinding &form, QWidget *window, QObject *parent)
    : QObject(parent), m_link(std::move(link)), m_version(programVersion), m_form(form),
      m_window(window)
{
}

void SheetController::setOpenFile(const QString &path)
{
    m_openFile = path;
}

void SheetController::sheetOfForm(Output output, const QString &site)
{
    const qv::transfer::Link link = m_link();
    qv::sheet::Source source;
    source.values = m_form.values(form::configurationFields());
    source.model = link.model;
    source.site = site;
    source.technician = qv::settings::preferences::technician();
    source.date = QDate::currentDate();
    source.programVersion = m_version;
    source.separator = link.downloadSeparator;
    run(source, output, m_window, true);
}

void SheetController::sheetOfEntry(const qv::reg::Entry &entry, QWidget *parent)
{
    const std::optional<QStringList> values =
        qv::sheet::valuesFromRecord(entry.fields, entry.model);
    if (!values) {
        qv::settings::gui::showMessage(parent, QMessageBox::Critical, tr("Ügyféllap"),
                                       tr("A bejegyzés konfigurációja nem olvasható."));
        return;
    }
    qv::sheet::Source source;
    source.values = *values;
    source.model = entry.model;
    source.site = entry.site;
    source.technician = entry.technician;
    source.date = entry.time.toLocalTime().date();
    source.programVersion = m_version;
    run(source, Output::Print, parent, false);
}

void SheetController::run(qv::sheet::Source source, Output output, QWidget *parent, bool fromForm)
{
    // Refused before anything is asked, as the download refuses it.
    const qv::sheet::Made checked = qv::sheet::makeSheet(source);
    if (!checked.sheet) {
        qv::settings::gui::showMessage(parent, QMessageBox::Critical, tr("Ügyféllap"),
                                       tr("%1\nAz ügyféllap nem készült el.").arg(checked.reason));
        if (fromForm)
            m_form.reveal(checked.field);
        return;
    }
    SheetDialog dialog(checked.sheet->subtitle, source.site,
                       output == Output::Print ? SheetDialog::Print : SheetDialog::Pdf, parent);
    const int choice = dialog.exec();
    if (choice != SheetDialog::Print && choice != SheetDialog::Pdf)
        return;
    source.site = dialog.site();
    source.withPin = dialog.withPin();
    const qv::sheet::Made made = qv::sheet::makeSheet(source);
    if (!made.sheet)
        return; // the same configuration passed above
    if (choice == SheetDialog::Print)
        preview(*made.sheet, parent);
    else
        save(*made.sheet, valueOf(source.values, QStringLiteral("m_id")), parent);
}

void SheetController::preview(const qv::sheet::Sheet &sheet, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(sheet.documentTitle);
    printer.setCreator(sheet.creator);
    const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(margins.left(), kLeastMargins.left()),
                                     std::max(margins.top(), kLeastMargins.top()),
                                     std::max(margins.right(), kLeastMargins.right()),
                                     std::max(margins.bottom(), kLeastMargins.bottom())),
                           QPageLayout::Millimeter);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("sheetPreview"));
    dialog.setWindowTitle(tr("Ügyféllap – nyomtatási kép"));
    // Laid out again for every paper and orientation the user chooses there.
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [&sheet](QPrinter *target) { qv::sheet::print(sheet, *target); });
    dialog.exec();
}

void SheetController::save(const qv::sheet::Sheet &sheet, const QString &moduleId, QWidget *parent)
{
    const QString caption = tr("Ügyféllap PDF-be");
    const QString open = m_openFile;
    const QString folder = open.isEmpty() || !QFileInfo(open).isAbsolute()
                               ? QStringLiteral(".")
                               : QFileInfo(open).absolutePath();
    const QString name =
        moduleId.isEmpty() ? tr("ugyfellap.pdf") : tr("ugyfellap-%1.pdf").arg(moduleId);
    const QString chosen =
        qv::settings::gui::chooseFileToSave(parent, caption, QDir(folder).filePath(name),
                                            tr("PDF-dokumentum (*.pdf)"), QStringLiteral("pdf"));
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    const QString path =
        info.isDir() || !info.suffix().isEmpty() ? chosen : chosen + QStringLiteral(".pdf");
    // The dialog asked about the name it returned, not about the one with the suffix.
    if (path != chosen && QFileInfo::exists(path) &&
        !qv::settings::gui::confirmReplace(parent, caption, path))
        return;
    if (!open.isEmpty() && QFileInfo::exists(path) &&
        QFileInfo(path).canonicalFilePath() == QFileInfo(open).canonicalFilePath()) {
        qv::settings::gui::showMessage(
            parent, QMessageBox::Warning, caption,
            tr("A(z) %1 a megnyitott konfigurációs fájl: az ügyféllap nem "
               "kerülhet a helyére.")
                .arg(QFileInfo(path).fileName()));
        return;
    }
    if (const QString reason = qv::sheet::writePdf(sheet, path); !reason.isEmpty()) {
        qv::settings::gui::showMessage(
            parent, QMessageBox::Critical, caption,
            tr("Az ügyféllap nem menthető: %1\n%2").arg(QDir::toNativeSeparators(path), reason));
        return;
    }
    emit statusMessage(tr("Az ügyféllap elkészült: %1").arg(QDir::toNativeSeparators(path)));
}

} // namespace qv::sheet::gui
