#include "app/gui/about.h"

#include "settings/branding.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace qv::app::gui {

namespace {
QLabel *centredLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

about::about(const QString &footerText, const QString &footerText2, const QString &version,
             QWidget *parent)
    : QDialog(parent)
{
    Q_UNUSED(footerText)
    Q_UNUSED(footerText2)
    setObjectName(QStringLiteral("about"));
    resize(311, 200);
    setWindowTitle(tr("Névjegy"));

    m_layoutWidget = new QWidget(this);
    m_layoutWidget->setObjectName(QStringLiteral("verticalLayoutWidget"));
    m_layoutWidget->setGeometry(20, 20, 268, 164);
    m_layout = new QVBoxLayout(m_layoutWidget);
    m_layout->setObjectName(QStringLiteral("verticalLayout"));
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_software = centredLabel(QStringLiteral("label_software"),
                              tr("Quorvel / Brastok\nLetöltő Szoftver"), m_layoutWidget);
    m_software->setOpenExternalLinks(true);
    // Our own texts, with a working link: shown as rich text on purpose.
    m_company =
        centredLabel(QStringLiteral("label_comp"), qv::settings::copyrightLine(), m_layoutWidget);
    m_company->setTextFormat(Qt::RichText);
    m_company->setOpenExternalLinks(true);
    m_author =
        centredLabel(QStringLiteral("label_wby"), qv::settings::authorLine(), m_layoutWidget);
    QFont italic = m_author->font();
    italic.setItalic(true);
    m_author->setFont(italic);
    m_author->setOpenExternalLinks(true);
    m_version =
        centredLabel(QStringLiteral("l_version"), tr("Version v%1").arg(version), m_layoutWidget);
    m_version->setTextFormat(Qt::PlainText);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Close, Qt::Horizontal, m_layoutWidget);
    m_buttons->setObjectName(QStringLiteral("buttonBox"));
    m_buttons->setCenterButtons(true);

    auto spacer = [] {
        return new QSpacerItem(20, 50, QSizePolicy::Minimum, QSizePolicy::Expanding);
    };
    m_layout->addWidget(m_software);
    m_layout->addItem(spacer());
    m_layout->addWidget(m_company);
    m_layout->addWidget(m_author);
    m_layout->addItem(spacer());
    m_layout->addWidget(m_version);
    m_layout->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

} // namespace qv::app::gui
