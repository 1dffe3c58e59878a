// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "General" property page of a Lumidot: its Lit and AllowClick settings.
// Changes reach the control on "OK" or "Apply" only.
#include "lumidot_export.h"

#include <QDialog>

class QCheckBox;
class QDialogButtonBox;
class Lumidot;

class LUMIDOT_EXPORT LumidotPropertyPage : public QDialog {
    Q_OBJECT
public:
    explicit LumidotPropertyPage(Lumidot* control, QWidget* parent = nullptr);

    QCheckBox* litBox() const { return lit_; }
    QCheckBox* allowClickBox() const { return allowClick_; }
    QDialogButtonBox* buttons() const { return buttons_; }

    // Copies the check boxes to the control.
    void apply();

private:
    Lumidot* control_;
    QCheckBox* lit_;
    QCheckBox* allowClick_;
    QDialogButtonBox* buttons_;
};
