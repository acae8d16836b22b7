// The about box: program name, the maker's copyright line, the author and the version.
#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QVBoxLayout;

namespace qv::app::gui {

class about : public QDialog
{
    Q_OBJECT

public:
    // The two footer texts are accepted for the settings' sake; only the version is shown.
    about(const QString &footerText, const QString &footerText2, const QString &version,
          QWidget *parent = nullptr);

private:
    QWidget *m_layoutWidget = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QLabel *m_software = nullptr;
    QLabel *m_company = nullptr;
    QLabel *m_author = nullptr;
    QLabel *m_version = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

} // namespace qv::app::gui
