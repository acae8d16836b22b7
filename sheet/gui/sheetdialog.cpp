#include "sheet/gui/sheetdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qv::sheet::gui {

namespace {
// As much of a site note as the sheet's line holds (the command refuses a longer one).
constexpr int kMaxSiteLength = 120;
} // namespace

SheetDialog::SheetDialog(const QString &module, const QString &site, Choice choice, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("sheetDialog"));
    setWindowTitle(tr("Ügyféllap"));

    auto *about = new QLabel(module.isEmpty() ? tr("Az ügyféllap a modul beállításairól.")
                                              : tr("Ügyféllap: %1").arg(module),
                             this);
    about->setTextFormat(Qt::PlainText); // the module's name is the module's text
    m_site = new QLineEdit(site.left(kMaxSiteLength), this);
    m_site->setObjectName(QStringLiteral("sheetSite"));
    m_site->setMaxLength(kMaxSiteLength);
    m_site->setPlaceholderText(tr("például: Kovács Kft., Pince u. 3."));
    m_pin = new QCheckBox(tr("A modul PIN-kódja is a lapra kerül"), this);
    m_pin->setObjectName(QStringLiteral("sheetWithPin"));
    m_pin->setChecked(false);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *print = buttons->addButton(tr("Nyomtatás…"), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("sheetPrint"));
    QPushButton *pdf = buttons->addButton(tr("Mentés PDF-be…"), QDialogButtonBox::AcceptRole);
    pdf->setObjectName(QStringLiteral("sheetPdf"));
    buttons->addButton(tr("Mégse"), QDialogButtonBox::RejectRole);
    (choice == Print ? print : pdf)->setDefault(true);
    connect(print, &QPushButton::clicked, this, [this] { done(Print); });
    connect(pdf, &QPushButton::clicked, this, [this] { done(Pdf); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Helyszín:"), m_site);
    form->addRow(QString(), m_pin);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(460, sizeHint().height());
}

QString SheetDialog::site() const
{
    return m_site->text().trimmed();
}

bool SheetDialog::withPin() const
{
    return m_pin->isChecked();
}

} // namespace qv::sheet::gui
