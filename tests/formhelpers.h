// Test helpers for driving the main window's form: widget look-up, the form's values
// in file order, and a scope that points the data-file search at a folder of its own.
#pragma once

#include "app/gui/mainwindow.h"
#include "settings/datafiles.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

using qv::app::gui::MainWindow;

template <class T> T *widget(const MainWindow &window, QByteArrayView name)
{
    T *w = window.findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget %s", name.toByteArray().constData());
    return w;
}

inline QLineEdit *edit(const MainWindow &window, QByteArrayView name)
{
    return widget<QLineEdit>(window, name);
}

// The form's values in the order of a configuration file, walked independently of the
// program: line edits, check boxes, radio buttons, group box by group box.
inline QStringList formValues(const MainWindow &window)
{
    QStringList values;
    for (const char *box : {"g_general", "g_analog", "g_be", "g_ki", "g_activate", "g_tel"}) {
        for (const QLineEdit *e : widget<QGroupBox>(window, box)->findChildren<QLineEdit *>())
            values << e->text();
    }
    for (const QCheckBox *c : widget<QGroupBox>(window, "g_tel")->findChildren<QCheckBox *>())
        values << (c->isChecked() ? "1" : "0");
    for (const char *box : {"g_tel", "g_analog", "g_ki_csengetes"}) {
        for (const QRadioButton *r : widget<QGroupBox>(window, box)->findChildren<QRadioButton *>())
            values << (r->isChecked() ? "1" : "0");
    }
    return values;
}

// While it lives, data files are looked for only in its own (initially empty) folder.
class DataFolderScope
{
public:
    DataFolderScope() { qv::settings::overrideDataFileFolders({m_dir.path()}); }
    ~DataFolderScope() { qv::settings::overrideDataFileFolders({}); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};
