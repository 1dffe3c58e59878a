// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Informe de verificación" window: the beat and the carrier the curves
// draw against those measured in the render, second by second over the
// session, with the verdict and the figures beneath.
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QChartView;
class QChart;

namespace vs::playback {
struct VerificationReport;
}

namespace vs::shell {

class VerificationWindow : public QWidget {
    Q_OBJECT
public:
    explicit VerificationWindow(QWidget* parent = nullptr);
    // `file`: the exported file, empty for a verification alone.
    // `notes`: what the render could not do as Play does.
    void setReport(const playback::VerificationReport& report, const std::string& sessionName,
                   const std::string& file, const std::vector<std::string>& notes = {});

    QString verdictText() const;
    QString figuresText() const;

private:
    QLabel* heading_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* figures_ = nullptr;
    QChartView* beat_ = nullptr;
    QChartView* carrier_ = nullptr;
};

} // namespace vs::shell
