// SPDX-License-Identifier: GPL-3.0-or-later
#include "property_page.h"

#include "lumidot.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

LumidotPropertyPage::LumidotPropertyPage(Lumidot* control, QWidget* parent)
    : QDialog(parent), control_(control) {
    setWindowTitle(QStringLiteral("General"));
    lit_ = new QCheckBox(QStringLiteral("Lit"), this);
    allowClick_ =
        new QCheckBox(QStringLiteral("Allow a mouse click to change the state of the LED"), this);
    buttons_ = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    lit_->setChecked(control_->Lit());
    allowClick_->setChecked(control_->AllowClick());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lit_);
    layout->addWidget(allowClick_);
    layout->addStretch();
    layout->addWidget(buttons_);

    connect(buttons_, &QDialogButtonBox::accepted, this, [this] {
        apply();
        accept();
    });
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons_->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &LumidotPropertyPage::apply);
}

void LumidotPropertyPage::apply() {
    if (control_->Lit() != lit_->isChecked()) control_->setLit(lit_->isChecked());
    if (control_->AllowClick() != allowClick_->isChecked())
        control_->setAllowClick(allowClick_->isChecked());
}
