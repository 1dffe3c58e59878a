// SPDX-License-Identifier: GPL-3.0-or-later
#include "cd_track_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vs::library {

std::vector<std::string> DialogCdTrackChooser::choose(const std::vector<CdTrackChoice>& tracks) {
    QDialog dialog(owner_);
    dialog.setObjectName("frmPistasCD");
    dialog.setWindowTitle(QCoreApplication::translate("CdTrackDialog", "Añadir pista de CD"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(
        new QLabel(QCoreApplication::translate("CdTrackDialog", "Pistas del disco:"), &dialog));
    auto* list = new QListWidget(&dialog);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const CdTrackChoice& t : tracks)
        list->addItem(QString::fromStdString(t.label));
    if (list->count() > 0) list->item(0)->setSelected(true);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(QCoreApplication::translate("CdTrackDialog", "Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(QCoreApplication::translate("CdTrackDialog", "Cancelar"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    layout->addWidget(buttons);

    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) chosen.push_back(tracks[std::size_t(i)].path);
    return chosen;
}

} // namespace vs::library
