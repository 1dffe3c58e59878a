// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_about.h"

#include "base/numeric.h"
#include "controls/boton_gradiente.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace vs::shell {

void ClickLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(e);
}

std::vector<BandLine> drawback(int width, int height) {
    std::vector<BandLine> lines;
    if (width <= 0) return lines;
    double g = 50;
    for (int i = 0; i <= 15; ++i) {
        lines.push_back({i, std::min(static_cast<int>(g), 255)});
        g = roundHalfEven(g + i * 5 / 2.0);
    }
    g = 0;
    const int from = toInt32(height), to = toInt32(height - 15.0);
    for (int i = from; i >= to; --i) {
        lines.push_back({i, std::min(static_cast<int>(g), 255)});
        g = roundHalfEven(g + (height - i) * 5 / 2.0);
    }
    return lines;
}

QImage aboutPicture(int side) {
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side;
    QRadialGradient night(QPointF(s * 0.5, s * 0.42), s * 0.7);
    night.setColorAt(0, QColor(44, 62, 120));
    night.setColorAt(1, QColor(10, 14, 38));
    p.setBrush(night);
    p.setPen(QPen(QColor(0, 60, 115), s / 64));
    p.drawRoundedRect(QRectF(s * 0.02, s * 0.02, s * 0.96, s * 0.96), s * 0.12, s * 0.12);

    // Two tones a little apart in pitch, and the slow beat they make together.
    auto wave = [&](double cycles, double phase, double amp, const QColor& colour, qreal width) {
        QPainterPath path;
        for (int i = 0; i <= 200; ++i) {
            const double t = i / 200.0;
            const double y =
                s * 0.66 + amp * s * std::sin(2 * std::numbers::pi * cycles * t + phase);
            const QPointF pt(s * (0.1 + 0.8 * t), y);
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
    };
    wave(6, 0, 0.12, QColor(90, 200, 255, 200), s / 60);
    wave(7, 0.6, 0.12, QColor(255, 190, 90, 200), s / 60);
    QPainterPath beat;
    for (int i = 0; i <= 200; ++i) {
        const double t = i / 200.0;
        const double env = std::fabs(std::cos(std::numbers::pi * 1.0 * t)) * 0.2;
        const QPointF pt(s * (0.1 + 0.8 * t), s * 0.66 - env * s);
        if (i == 0)
            beat.moveTo(pt);
        else
            beat.lineTo(pt);
    }
    p.setPen(QPen(QColor(255, 255, 255, 150), s / 90, Qt::DashLine));
    p.drawPath(beat);

    // The glasses' eight lights: a diamond of four before each eye.
    const QColor lit(255, 214, 120), unlit(90, 70, 40);
    for (int eye = 0; eye < 2; ++eye) {
        const QPointF c(s * (eye ? 0.68 : 0.32), s * 0.28);
        const qreal d = s * 0.08, r = s * 0.032;
        const QPointF leds[4] = {c + QPointF(-d, 0), c + QPointF(0, d), c + QPointF(d, 0),
                                 c + QPointF(0, -d)};
        for (int k = 0; k < 4; ++k) {
            const bool on = (k + eye) % 2 == 0;
            QRadialGradient glow(leds[k], r * (on ? 2.2 : 1));
            glow.setColorAt(0, on ? lit : unlit);
            glow.setColorAt(0.45, on ? lit : unlit);
            glow.setColorAt(1, Qt::transparent);
            p.setPen(Qt::NoPen);
            p.setBrush(glow);
            p.drawEllipse(leds[k], r * (on ? 2.2 : 1), r * (on ? 2.2 : 1));
        }
    }
    return img;
}

frmAbout::frmAbout(DesktopService& desktop, QWidget* owner) : QDialog(owner), desktop_(desktop) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Acerca de Velorin Somnara"));
    // The bands fade into white.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, QColor(20, 20, 30));
    setPalette(pal);

    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setPixmap(QPixmap::fromImage(aboutPicture(128)));
    Image1_->setFixedSize(128, 128);

    auto* Label1 = new QLabel(QStringLiteral("Velorin Somnara"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont big = Label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    Label1->setFont(big);
    lblVersion_ = new QLabel(this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    auto* Label3 = new QLabel(tr("Sesiones de ondas binaurales con\ngafas de luz y sonido"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    auto* lblLicencia = new QLabel(tr("Software libre: GNU GPL versión 3 o posterior\n"
                                      "(GPL-3.0-or-later), sin ninguna garantía."),
                                   this);
    lblLicencia->setObjectName(QStringLiteral("lblLicencia"));
    Label2_ = new ClickLabel(QString::fromLatin1(kWebAddress), this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    lblEmail_ = new ClickLabel(QString::fromLatin1(kEmail), this);
    lblEmail_->setObjectName(QStringLiteral("lblEmail"));
    for (ClickLabel* link : {Label2_, lblEmail_}) {
        QPalette lp = link->palette();
        lp.setColor(QPalette::WindowText, QColor(0, 70, 160));
        link->setPalette(lp);
        QFont f = link->font();
        f.setUnderline(true);
        link->setFont(f);
        link->setCursor(Qt::PointingHandCursor);
    }
    BotonGradiente1_ = new controls::BotonGradiente(tr("Aceptar"), this);
    BotonGradiente1_->setObjectName(QStringLiteral("BotonGradiente1"));

    auto* texts = new QVBoxLayout;
    texts->addWidget(Label1);
    texts->addWidget(lblVersion_);
    texts->addSpacing(8);
    texts->addWidget(Label3);
    texts->addSpacing(4);
    texts->addWidget(lblLicencia);
    texts->addStretch();
    texts->addWidget(Label2_);
    texts->addWidget(lblEmail_);
    auto* top = new QHBoxLayout;
    top->setSpacing(20);
    top->addWidget(Image1_, 0, Qt::AlignTop);
    top->addLayout(texts, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BotonGradiente1_);
    auto* root = new QVBoxLayout(this);
    // Clear of the two grey bands.
    root->setContentsMargins(20, 28, 20, 26);
    root->addLayout(top, 1);
    root->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(440, 250)));

    lblVersion_->setText(QStringLiteral("v1.2"));
    connect(Label2_, &ClickLabel::clicked, this,
            [this] { desktop_.openUrl(Label2_->text().toStdString()); });
    connect(lblEmail_, &ClickLabel::clicked, this, [this] {
        desktop_.openUrl("mailto:" + lblEmail_->text().toStdString() +
                         "?SUBJECT=" + "Velorin Somnara");
    });
    connect(BotonGradiente1_, &controls::BotonGradiente::Click, this, &QDialog::accept);
}

void frmAbout::paintEvent(QPaintEvent*) {
    // Drawn once per size and kept, as the form's persistent drawing was.
    if (background_.size() != size()) {
        background_ = QImage(size(), QImage::Format_RGB32);
        background_.fill(palette().color(QPalette::Window));
        QPainter bp(&background_);
        for (const BandLine& line : drawback(width(), height())) {
            bp.setPen(QColor(line.grey, line.grey, line.grey));
            bp.drawLine(0, line.row, width() - 1, line.row);
        }
    }
    QPainter p(this);
    p.drawImage(0, 0, background_);
}

} // namespace vs::shell
