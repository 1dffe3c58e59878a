// SPDX-License-Identifier: GPL-3.0-or-later
#include "graph_frame.h"
#include "top_high_scroll_bar.h"

#include "curve_editor.h"
#include "edit_history.h"
#include "graph_grid.h"
#include "graph_view.h"
#include "session_model.h"
#include "strip_view.h"

#include "session_keys.h"
#include "base/preferences.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace vs::session {

namespace {

// Design layout of the group, in graph units of the window (the graph itself
// stands at kGraphLeft, kGraphTop).
constexpr float kDesignWidth = 8115;
constexpr float kDesignHeight = 3540;
constexpr float kFrameMargin = 30;
constexpr float kStripTop = 2700;   // container pictureG
constexpr float kStripHeight = 195; // picG
constexpr float kTickTop = kStripTop + kFrameMargin + kStripHeight + kFrameMargin;
constexpr float kTickShort = 60, kTickLong = 120;
constexpr float kTimeLabelTop = 3090;
constexpr float kTimeLabelWidth = 720;
constexpr float kCaptionTop = 210;
constexpr float kValueLabelWidth = 480;
constexpr float kBinauralLabelLeft = 60;
constexpr float kBaseLabelLeft = kGraphLeft + kGraphWidth + 160;
constexpr float kFreqTickLength = 120;
constexpr float kScrollTop = kGraphTop - kFrameMargin;
constexpr float kScrollWidth = 255;
constexpr float kScrollMinutosLeft = 7500;
constexpr float kScrollSegundosLeft = 7800;
constexpr float kDuracionTop = 3300;
constexpr double kUnitsPerPixel = 15;

bool optionOn(const PreferenceKey& key) {
    return Preferences::instance().getInt16(key) > 0;
}

} // namespace

struct GraphFrame::Private {
    SessionModel* model = nullptr;
    ListenerHandle listener; // safe to drop after the model is gone
    EditHistory* history = nullptr;
    bool lengthEnabled = true;
    double scaleX = 1, scaleY = 1; // design pixels to screen pixels, per axis
    QPointF origin;                // pixel offset of the design's top-left corner
    GraphLayout layout;

    QFrame* Picture1 = nullptr;
    GraphView* Pic1 = nullptr;
    QFrame* pictureG = nullptr;
    StripView* picG = nullptr;
    std::array<QLabel*, 4> lblPic1Binaural{};
    std::array<QLabel*, 5> lblPic1Base{};
    std::array<QLabel*, 5> lblT{};
    QLabel* lblTiempo = nullptr;
    QLabel* captionBinaural = nullptr;
    QLabel* captionBase = nullptr;
    QLabel* captionDuracion = nullptr;
    QScrollBar* ScrollMinutos = nullptr;
    QScrollBar* ScrollSegundos = nullptr;
    bool syncing = false;
    double cursorX = kMarkerSize / 2;
    bool cursorVisible = false;

    QRect px(float left, float top, float width, float height) const {
        const double fx = scaleX / kUnitsPerPixel, fy = scaleY / kUnitsPerPixel;
        const int x0 = static_cast<int>(std::lround(origin.x() + left * fx));
        const int y0 = static_cast<int>(std::lround(origin.y() + top * fy));
        const int x1 = static_cast<int>(std::lround(origin.x() + (left + width) * fx));
        const int y1 = static_cast<int>(std::lround(origin.y() + (top + height) * fy));
        return QRect(x0, y0, x1 - x0, y1 - y0);
    }
    QPointF pt(float x, float y) const {
        return QPointF(origin.x() + x * scaleX / kUnitsPerPixel,
                       origin.y() + y * scaleY / kUnitsPerPixel);
    }
    double scale() const { return std::min(scaleX, scaleY); }
};

GraphFrame::GraphFrame(SessionModel& model, QWidget* parent) : QWidget(parent), d(new Private) {
    d->model = &model;
    d->layout = layoutGraph(kGraphLeft, kGraphTop, kGraphWidth, kGraphHeight, model.MedioPunto,
                            kLabelHeight, kTimeLabelWidth);

    d->Picture1 = new QFrame(this);
    d->Picture1->setObjectName("Picture1");
    d->Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    d->Pic1 = new GraphView(model, this);

    d->pictureG = new QFrame(this);
    d->pictureG->setObjectName("pictureG");
    d->pictureG->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    d->picG = new StripView(model, d->pictureG);

    auto label = [this](const QString& name, const QString& text, Qt::Alignment align) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setAlignment(align);
        return l;
    };
    const QString binauralDesign[4] = {"0.0", "6.0", "12.0", "18.0"};
    for (int j = 0; j < 4; ++j)
        d->lblPic1Binaural[j] = label(QString("lblPic1Binaural%1").arg(j), binauralDesign[j],
                                      Qt::AlignRight | Qt::AlignVCenter);
    for (int j = 0; j < 5; ++j)
        d->lblPic1Base[j] = label(QString("lblPic1Base%1").arg(j), QString::number(200 + 100 * j),
                                  Qt::AlignLeft | Qt::AlignVCenter);
    for (int j = 0; j < 5; ++j)
        d->lblT[j] = label(QString("lblT%1").arg(j), "00:00", Qt::AlignCenter);
    d->lblTiempo = label("lblTiempo", "00:00", Qt::AlignCenter);
    d->lblTiempo->setToolTip(tr("Duración sesión"));
    d->captionBinaural =
        label("lblHzBinaural", tr("Hz Binaural"), Qt::AlignLeft | Qt::AlignVCenter);
    d->captionBase = label("lblHzBase", tr("Hz Base"), Qt::AlignRight | Qt::AlignVCenter);
    d->captionDuracion = label("lblDuracion", tr("Duración"), Qt::AlignCenter);

    auto scroll = [this](const QString& name) {
        auto* s = new TopHighScrollBar(this);
        s->setObjectName(name);
        s->setRange(0, 60);
        s->setSingleStep(1);
        s->setPageStep(1);
        return s;
    };
    d->ScrollMinutos = scroll("ScrollMinutos");
    d->ScrollSegundos = scroll("ScrollSegundos");
    connect(d->ScrollMinutos, &QScrollBar::valueChanged, this, &GraphFrame::minutosChanged);
    connect(d->ScrollSegundos, &QScrollBar::valueChanged, this, &GraphFrame::segundosChanged);

    connect(d->Pic1, &GraphView::infoHz, this, &GraphFrame::infoHz);
    connect(d->Pic1, &GraphView::infoFR, this, &GraphFrame::infoFR);
    connect(d->Pic1, &GraphView::infoTime, this, &GraphFrame::infoTime);
    connect(d->Pic1, &GraphView::edited, this, &GraphFrame::edited);
    connect(d->picG, &StripView::cellPressed, this, &GraphFrame::cellPressed);
    connect(d->picG, &StripView::cellReleased, this, &GraphFrame::cellReleased);
    connect(d->picG, &StripView::cellMoved, this, &GraphFrame::cellMoved);
    connect(d->picG, &StripView::cellDoubleClicked, this, &GraphFrame::cellDoubleClicked);

    d->listener = model.addListener([this] {
        d->Pic1->update();
        d->picG->update();
    });

    setMinimumSize(designSize());
    relayout();
    refresh();
}

GraphFrame::~GraphFrame() {
    delete d;
}

QSize GraphFrame::designSize() {
    return QSize(static_cast<int>(std::ceil(kDesignWidth / kUnitsPerPixel)),
                 static_cast<int>(std::ceil(kDesignHeight / kUnitsPerPixel)));
}

QSize GraphFrame::sizeHint() const {
    return designSize();
}
QSize GraphFrame::minimumSizeHint() const {
    return designSize();
}
double GraphFrame::scale() const {
    return d->scale();
}

double GraphFrame::scaleX() const {
    return d->scaleX;
}

double GraphFrame::scaleY() const {
    return d->scaleY;
}
GraphView* GraphFrame::graphView() const {
    return d->Pic1;
}
StripView* GraphFrame::stripView() const {
    return d->picG;
}
void GraphFrame::setSequencePalette(std::function<std::uint32_t(int sequence)> palette) {
    d->picG->setSequencePalette(std::move(palette));
}
void GraphFrame::setRandomSource(RandomSource* random) {
    d->Pic1->setRandomSource(random);
}
void GraphFrame::setEditHistory(EditHistory* history) {
    d->history = history;
    d->Pic1->setEditHistory(history);
    if (history) history->setLengthLocked(!d->lengthEnabled);
}

void GraphFrame::resizeEvent(QResizeEvent*) {
    relayout();
}

void GraphFrame::relayout() {
    // Each axis takes all the room it is given: the graph fills its frame.
    // Text and line widths follow the smaller of the two.
    d->scaleX = std::max(0.25, width() * kUnitsPerPixel / kDesignWidth);
    d->scaleY = std::max(0.25, height() * kUnitsPerPixel / kDesignHeight);
    d->origin = QPointF(0, 0);
    const float upp = static_cast<float>(kUnitsPerPixel / d->scaleX);
    const float uppY = static_cast<float>(kUnitsPerPixel / d->scaleY);

    QFont font = this->font();
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(11 * d->scale()))));
    for (QWidget* w : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        w->setFont(font);
    d->Pic1->setLabelFont(font);

    const int bevel = std::max(1, static_cast<int>(std::lround(d->scale())));
    d->Picture1->setLineWidth(bevel);
    d->pictureG->setLineWidth(bevel);
    d->Picture1->setGeometry(d->px(kGraphLeft - kFrameMargin, kGraphTop - kFrameMargin,
                                   kGraphWidth + 2 * kFrameMargin,
                                   kGraphHeight + 2 * kFrameMargin));
    const QRect graph = d->px(kGraphLeft, kGraphTop, kGraphWidth, kGraphHeight);
    d->Pic1->setGeometry(graph);
    d->Pic1->setUnitsPerPixel(upp, uppY);

    const QRect strip = d->px(kGraphLeft - kFrameMargin, kStripTop, kGraphWidth + 2 * kFrameMargin,
                              kStripHeight + 2 * kFrameMargin);
    d->pictureG->setGeometry(strip);
    const QRect cells = d->px(kGraphLeft, kStripTop + kFrameMargin, kGraphWidth, kStripHeight);
    // Same left edge and width as the graph, so the cells line up with the points.
    d->picG->setGeometry(QRect(graph.left() - strip.left(), cells.top() - strip.top(),
                               graph.width(), cells.height()));
    d->picG->setUnitsPerPixel(upp);

    const GraphLayout& l = d->layout;
    for (int j = 0; j < 4; ++j)
        d->lblPic1Binaural[j]->setGeometry(
            d->px(kBinauralLabelLeft, l.binauralTop[j], kValueLabelWidth, kLabelHeight));
    for (int j = 0; j < 5; ++j)
        d->lblPic1Base[j]->setGeometry(
            d->px(kBaseLabelLeft, l.baseTop[j], kValueLabelWidth, kLabelHeight));
    for (int j = 0; j < 5; ++j)
        d->lblT[j]->setGeometry(d->px(l.lblTLeft[j], kTimeLabelTop, kTimeLabelWidth, kLabelHeight));
    d->lblTiempo->setGeometry(d->px(l.lblTiempoLeft, kTimeLabelTop, kTimeLabelWidth, kLabelHeight));
    d->captionDuracion->setGeometry(
        d->px(l.lblTiempoLeft - 240, kDuracionTop, kTimeLabelWidth + 480, kLabelHeight));
    d->captionBinaural->setGeometry(d->px(kBinauralLabelLeft, kCaptionTop, 1500, kLabelHeight));
    d->captionBase->setGeometry(
        d->px(kBaseLabelLeft + kValueLabelWidth - 1500, kCaptionTop, 1500, kLabelHeight));

    const float scrollHeight = kGraphHeight + 2 * kFrameMargin;
    d->ScrollMinutos->setGeometry(
        d->px(kScrollMinutosLeft, kScrollTop, kScrollWidth, scrollHeight));
    d->ScrollSegundos->setGeometry(
        d->px(kScrollSegundosLeft, kScrollTop, kScrollWidth, scrollHeight));
    update();
}

void GraphFrame::paintEvent(QPaintEvent*) {
    // The ticks lie on the group itself, under the frame pictures.
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), std::max(1.0, std::floor(d->scale()))));
    const GraphLayout& l = d->layout;
    const float graphRight = kGraphLeft + kGraphWidth;
    for (int j = 0; j < 10; ++j) {
        p.drawLine(d->pt(kGraphLeft - kFreqTickLength, l.lineF[j]), d->pt(kGraphLeft, l.lineF[j]));
        p.drawLine(d->pt(graphRight, l.lineF[j]), d->pt(graphRight + kFreqTickLength, l.lineF[j]));
    }
    for (int j = 0; j < 26; ++j) {
        const float len = j % 5 == 0 ? kTickLong : kTickShort;
        p.drawLine(d->pt(l.lineT[j], kTickTop), d->pt(l.lineT[j], kTickTop + len));
    }
}

void GraphFrame::refresh() {
    syncScrollBars();
    DibujarGrid();
    EscribirTiempos();
    d->Pic1->update();
    d->picG->update();
}

void GraphFrame::DibujarGrid() {
    const SessionModel& m = *d->model;
    const Grid g =
        session::DibujarGrid(m, optionOn(pref::VerLineasGrid), optionOn(pref::VerTextoFrecuencias));
    d->Pic1->setGrid(g);
    for (int j = 0; j < 4; ++j)
        d->lblPic1Binaural[j]->setText(QString::fromStdString(g.binaural[j]));
    for (int j = 0; j < 5; ++j)
        d->lblPic1Base[j]->setText(QString::fromStdString(g.base[j]));
}

void GraphFrame::EscribirTiempos() {
    const TimeLabels t = session::EscribirTiempos(*d->model);
    for (int j = 1; j <= 4; ++j)
        d->lblT[j]->setText(QString::fromStdString(t.lblT[j]));
    const QString caption = QString::fromStdString(t.lblTiempo);
    if (caption != d->lblTiempo->text()) {
        d->lblTiempo->setText(caption);
        emit lengthTextChanged(caption);
    }
}

void GraphFrame::syncScrollBars() {
    d->syncing = true;
    d->ScrollMinutos->setValue(d->model->minutos());
    d->ScrollSegundos->setValue(d->model->segundos());
    d->syncing = false;
}

void GraphFrame::minutosChanged(int value) {
    if (d->syncing) return;
    // Each change of the length label is a step.
    const EditStep step(d->history, QT_TRANSLATE_NOOP("EditStep", "cambiar duración"));
    d->model->setMinutos(value);
    syncScrollBars();
    EscribirTiempos();
}

void GraphFrame::segundosChanged(int value) {
    if (d->syncing) return;
    const EditStep step(d->history, QT_TRANSLATE_NOOP("EditStep", "cambiar duración"));
    d->model->setSegundos(value);
    syncScrollBars();
    EscribirTiempos();
}

void GraphFrame::setCursorX(double x) {
    d->cursorX = x;
    d->Pic1->setCursorLine(x, d->cursorVisible);
    d->picG->setCursorBar(x, d->cursorVisible);
}

void GraphFrame::setCursorVisible(bool visible) {
    d->cursorVisible = visible;
    setCursorX(d->cursorX);
}

void GraphFrame::setLengthEnabled(bool enabled) {
    d->ScrollMinutos->setEnabled(enabled);
    d->ScrollSegundos->setEnabled(enabled);
    d->lengthEnabled = enabled;
    if (d->history) d->history->setLengthLocked(!enabled);
}

void GraphFrame::setStripEnabled(bool enabled) {
    d->picG->setEnabled(enabled);
}

QScrollBar* GraphFrame::scrollMinutos() const {
    return d->ScrollMinutos;
}
QScrollBar* GraphFrame::scrollSegundos() const {
    return d->ScrollSegundos;
}
QString GraphFrame::lblTiempoText() const {
    return d->lblTiempo->text();
}

} // namespace vs::session
