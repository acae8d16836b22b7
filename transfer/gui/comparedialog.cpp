#include "transfer/gui/comparedialog.h"

#include "settings/gui/messages.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qv::transfer::gui {

CompareDialog::CompareDialog(const QList<qv::transfer::FieldDifference> &differences,
                             const QString &ours, QWidget *parent)
    : CompareDialog(differences,
                    {tr("Összehasonlítás a modullal"),
                     tr("A modulban %n érték tér el:", nullptr, int(differences.size())), ours,
                     tr("A modulban")},
                    parent)
{
}

CompareDialog::CompareDialog(const QList<qv::transfer::FieldDifference> &differences,
                             const Captions &captions, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("compareDialog"));
    setWindowTitle(captions.title);

    auto *heading = new QLabel(captions.heading, this);
    heading->setObjectName(QStringLiteral("compareHeading"));
    heading->setTextFormat(Qt::PlainText);

    // Texts from the module are shown as they are: items never interpret markup.
    auto *model = new QStandardItemModel(int(differences.size()), 3, this);
    model->setHorizontalHeaderLabels({tr("Mező"), captions.ours, captions.theirs});
    for (int row = 0; row < differences.size(); ++row) {
        const qv::transfer::FieldDifference &d = differences.at(row);
        int column = 0;
        for (const QString &text : {d.field, d.formValue, d.moduleValue}) {
            auto *item = new QStandardItem(text);
            item->setEditable(false);
            model->setItem(row, column++, item);
        }
    }
    auto *view = new QTableView(this);
    view->setObjectName(QStringLiteral("compareView"));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setWordWrap(false);
    view->resizeColumnsToContents();
    view->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttonBox"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(view);
    layout->addWidget(buttons);
    resize(620, 360);
}

void showDifferences(const QList<qv::transfer::FieldDifference> &differences,
                     const CompareDialog::Captions &captions, QWidget *parent)
{
    if (differences.isEmpty()) {
        qv::settings::gui::showMessage(parent, QMessageBox::Information, captions.title,
                                       CompareDialog::tr("Nincs eltérés."));
        return;
    }
    CompareDialog dialog(differences, captions, parent);
    dialog.exec();
}

} // namespace qv::transfer::gui
