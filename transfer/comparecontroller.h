// Comparing the form with the module: what a download would write against what the
// module holds, without touching the form.
#pragma once

#include <QObject>

struct devSettings;
class DownloadController;
class QWidget;

class CompareController : public QObject
{
    Q_OBJECT

public:
    // Reads Port, Baudrate and the separators of the window's `settings`; the record
    // comes from `download` as a download would build it; dialogs and messages are
    // parented to `window`.
    CompareController(const devSettings &settings, DownloadController &download, QWidget *window,
                      QObject *parent = nullptr);

    // Builds the form's record, reads the module's configuration as the read-out does and
    // shows the fields that differ, or "Nincs eltérés.". A failed read shows the
    // read-out's messages.
    void compare();

signals:
    // The module holds exactly what a download of the form would write.
    void sameAsModule();

private:
    const devSettings &m_settings;
    DownloadController &m_download;
    QWidget *m_window = nullptr;
};
