// Before a customer's sheet is printed or saved: the site it names and whether the module's
// PIN goes on it (never unless the user ticks it), then printing or a PDF.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace qv::sheet::gui {

class SheetDialog : public QDialog
{
    Q_OBJECT

public:
    enum Choice { Print = 1, Pdf = 2 }; // what exec() returns besides Rejected

    // `module`: the module's name and id, shown for orientation; `choice`: the default button.
    SheetDialog(const QString &module, const QString &site, Choice choice,
                QWidget *parent = nullptr);

    QString site() const;
    bool withPin() const;

private:
    QLineEdit *m_site = nullptr;
    QCheckBox *m_pin = nullptr;
};

} // namespace qv::sheet::gui
