// SPDX-License-Identifier: GPL-3.0-or-later
#include "verification_window.h"

#include "base/numeric.h"
#include "playback/render_analysis.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vs::shell {
namespace {

constexpr int kChartMinimumHeight = 160;

QString hz(double v) {
    return QString::fromStdString(formatFixed(v, 3)) + VerificationWindow::tr(" Hz");
}

// Drawn as a line, measured as a line over it: where they part, the render
// is not what the curves ask for. Time in minutes.
QChart* chartOf(const playback::VerificationReport& r, bool beat, const QString& title) {
    auto* drawn = new QLineSeries;
    drawn->setName(VerificationWindow::tr("Dibujado"));
    auto* measured = new QLineSeries;
    measured->setName(VerificationWindow::tr("Medido"));
    double lo = 1e9, hi = -1e9;
    for (const playback::SecondCheck& s : r.seconds) {
        const double t = s.second / 60.0;
        const double want = beat ? s.drawnBeat : s.drawnBase;
        drawn->append(t, want);
        lo = std::min(lo, want);
        hi = std::max(hi, want);
        if (s.measured) {
            const double got = beat ? s.beat : s.left;
            measured->append(t, got);
            lo = std::min(lo, got);
            hi = std::max(hi, got);
        }
    }
    QPen pen(QColor(0x1f, 0x4e, 0x9c));
    pen.setWidthF(4);
    drawn->setPen(pen);
    QPen over(QColor(0xe0, 0x70, 0x10));
    over.setWidthF(1.5);
    measured->setPen(over);

    auto* chart = new QChart;
    chart->setTitle(title);
    chart->addSeries(drawn);
    chart->addSeries(measured);
    auto* x = new QValueAxis;
    x->setTitleText(VerificationWindow::tr("minutos"));
    x->setLabelFormat(QStringLiteral("%g"));
    x->setRange(0, std::max(1.0, double(r.seconds.size()) / 60.0));
    auto* y = new QValueAxis;
    y->setTitleText(VerificationWindow::tr("Hz"));
    y->setLabelFormat(QStringLiteral("%g"));
    if (lo > hi) lo = 0, hi = 1;
    const double pad = std::max(0.5, (hi - lo) * 0.08);
    y->setRange(std::max(0.0, lo - pad), hi + pad);
    x->applyNiceNumbers();
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : {drawn, measured}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

} // namespace

VerificationWindow::VerificationWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmInformeVerificacion"));
    setWindowTitle(tr("Informe de verificación"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    QFont f = heading_->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    heading_->setFont(f);
    layout->addWidget(heading_);
    beat_ = new QChartView(this);
    carrier_ = new QChartView(this);
    for (QChartView* v : {beat_, carrier_}) {
        v->setRenderHint(QPainter::Antialiasing);
        v->setMinimumHeight(kChartMinimumHeight);
        layout->addWidget(v, 1);
    }
    verdict_ = new QLabel(this);
    verdict_->setObjectName(QStringLiteral("lblVeredicto"));
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(verdict_);
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("lblCifras"));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(figures_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* close = new QPushButton(tr("Cerrar"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    // The smallest laptop screen in common use is 1366×768; a panel and the
    // title bar take about a hundred of its rows. A smaller screen still
    // gets the whole window, its charts shorter.
    QSize size(820, 640);
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableSize() - QSize(0, 40));
    resize(size.expandedTo(minimumSizeHint()));
}

void VerificationWindow::setReport(const playback::VerificationReport& r,
                                   const std::string& sessionName, const std::string& file,
                                   const std::vector<std::string>& notes) {
    QString head = tr("Informe de verificación: «%1»").arg(QString::fromStdString(sessionName));
    if (!file.empty()) head += QStringLiteral("\n") + QString::fromStdString(file);
    heading_->setText(head);
    // A chart view lets go of its previous chart (its own empty one, the
    // first time) without deleting it.
    auto replace = [](QChartView* view, QChart* chart) {
        QChart* old = view->chart();
        view->setChart(chart);
        delete old;
    };
    replace(beat_, chartOf(r, true, QString::fromStdString(playback::beatPlotTitle(r.pulse))));
    replace(carrier_,
            chartOf(r, false, QString::fromStdString(playback::carrierPlotTitle(r.pulse))));
    QString verdict = QString::fromStdString(r.verdict());
    for (const std::string& note : notes)
        verdict += tr("\nNota: ") + QString::fromStdString(note);
    verdict_->setText(verdict);
    verdict_->setStyleSheet(r.passed() ? QStringLiteral("color: #1b6e20;")
                                       : QStringLiteral("color: #b00020; font-weight: bold;"));
    const double peakDb = r.peak > 0 ? 20 * std::log10(r.peak) : -120.0;
    figures_->setText(
        tr("Segundos medidos: %1 de %2    Error máximo: pulso %3, tono izquierdo %4, "
           "tono derecho %5 (tolerancia %6)\nPico: %7 dBFS    Muestras saturadas: %8    "
           "Chasquidos: %9")
            .arg(r.measuredSeconds)
            .arg(r.seconds.size())
            .arg(hz(r.maxErrorBeat), hz(r.maxErrorLeft), hz(r.maxErrorRight),
                 hz(playback::VerificationReport::kToleranceHz))
            .arg(QString::fromStdString(formatFixed(peakDb, 1)))
            .arg(r.clippedSamples)
            .arg(r.clicksChecked ? QString::number(r.clicks) : tr("no comprobados")));
}

QString VerificationWindow::verdictText() const {
    return verdict_->text();
}

QString VerificationWindow::figuresText() const {
    return figures_->text();
}

} // namespace vs::shell
