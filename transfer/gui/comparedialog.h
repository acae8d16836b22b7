// The fields in which two configurations differ, one row each: the form (or what was sent,
// or a register entry) against the module, or against another.
#pragma once

#include "transfer/configrecord.h"

#include <QDialog>

namespace qv::transfer::gui {

class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    // `ours` heads the column of the form's side ("Az űrlapon", "Elküldve"); the other
    // column is the module's.
    CompareDialog(const QList<qv::transfer::FieldDifference> &differences, const QString &ours,
                  QWidget *parent = nullptr);

    // What the dialog and its columns are called when the other side is not the module.
    struct Captions
    {
        QString title;   // the window's title
        QString heading; // above the table, with the number of differences (tr()'s %n)
        QString ours;    // the first side's column
        QString theirs;  // the second side's column
    };
    CompareDialog(const QList<qv::transfer::FieldDifference> &differences, const Captions &captions,
                  QWidget *parent = nullptr);
};

// "Nincs eltérés." when there is no difference, otherwise the dialog listing them.
void showDifferences(const QList<qv::transfer::FieldDifference> &differences,
                     const CompareDialog::Captions &captions, QWidget *parent);

} // namespace qv::transfer::gui
