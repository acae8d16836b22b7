// The fields in which the form (or what was sent) and the module differ, one row each.
#pragma once

#include "transfer/configrecord.h"

#include <QDialog>

class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    // `ours` heads the column of the form's side ("Az űrlapon", "Elküldve").
    CompareDialog(const QList<qv::transfer::FieldDifference> &differences, const QString &ours,
                  QWidget *parent = nullptr);
};
