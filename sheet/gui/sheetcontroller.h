// The customer's sheet in the window: of the form (File menu) or of a register entry, printed
// through a print preview or saved as a PDF. The content and its pages come from qvsheet
// (sheet/); this only asks the user and hands the sheet to a printer or a file.
#pragma once

#include "transfer/exchange.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;
namespace qv::form::gui {
class FormBinding;
}
namespace qv::reg {
struct Entry;
}
namespace qv::sheet {
struct Source;
struct Sheet;
} // namespace qv::sheet

namespace qv::sheet::gui {

class SheetController : public QObject
{
    Q_OBJECT

public:
    // Reads the form, and the model and the separator from the window (`link`);
    // `programVersion` is this program's; dialogs and messages are parented to `window`.
    SheetController(qv::transfer::LinkSource link, const QString &programVersion,
                    form::gui::FormBinding &form, QWidget *window, QObject *parent = nullptr);

    // The configuration file open in the window (FilePath): a PDF is offered beside it.
    void setOpenFile(const QString &path);

    enum class Output { Print, Pdf };

    // The sheet of the form, as a download of it would go; `site` is offered for the sheet
    // (the register's site note). A form the checks refuse is reported as the download
    // reports it, with its field shown.
    void sheetOfForm(Output output, const QString &site);
    // The sheet of a register entry's configuration, with the entry's site, technician
    // and date; dialogs are parented to `parent`.
    void sheetOfEntry(const qv::reg::Entry &entry, QWidget *parent);

signals:
    // For the status bar: where a sheet was saved.
    void statusMessage(const QString &message);

private:
    // Asks for the site and the PIN, then prints or saves; `field` is shown when refused.
    void run(qv::sheet::Source source, Output output, QWidget *parent, bool fromForm);
    void preview(const qv::sheet::Sheet &sheet, QWidget *parent);
    void save(const qv::sheet::Sheet &sheet, const QString &moduleId, QWidget *parent);

    qv::transfer::LinkSource m_link;
    QString m_version;
    QString m_openFile;
    form::gui::FormBinding &m_form;
    QWidget *m_window = nullptr;
};

} // namespace qv::sheet::gui
