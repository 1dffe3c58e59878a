// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: the program's name, version and picture over two grey bands,
// the project's web address and mail link, and a button that closes it.
#include "base/services.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <vector>

namespace vs::controls {
class BotonGradiente;
}

namespace vs::shell {

// A label that reports a left click; the about box's two links.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

// One horizontal line of the background: its row and grey level (0..255).
struct BandLine {
    int row;
    int grey;
};
// The top band fades down from grey 50 over rows 0..15, the bottom band up
// from black over rows H..H-15 (row H lies just below the form's inside).
std::vector<BandLine> drawback(int width, int height);

inline constexpr const char* kWebAddress = "https://velorin-somnara.example.org/";
inline constexpr const char* kEmail = "soporte@velorin-somnara.example.org";

class frmAbout : public QDialog {
    Q_OBJECT
public:
    frmAbout(DesktopService& desktop, QWidget* owner = nullptr);

    QLabel* lblVersion() const { return lblVersion_; }
    ClickLabel* Label2() const { return Label2_; }
    ClickLabel* lblEmail() const { return lblEmail_; }
    controls::BotonGradiente* BotonGradiente1() const { return BotonGradiente1_; }
    QLabel* Image1() const { return Image1_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    DesktopService& desktop_;
    QImage background_;
    QLabel* Image1_;
    QLabel* lblVersion_;
    ClickLabel* Label2_;
    ClickLabel* lblEmail_;
    controls::BotonGradiente* BotonGradiente1_;
};

// The about box's picture, drawn for this program: two tones of slightly
// different pitch beating under the eight lights of the glasses.
QImage aboutPicture(int side);

} // namespace vs::shell
