// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The graph group of the main window: the frame picture around the graph, the
// graph with its markers, curves, grid and time cursor, the sequence strip
// under it with its cells and cursor bar, the axis ticks and labels, the time
// labels and the two length scroll bars.
//
// The group is laid out in graph units and drawn at one scale for both axes:
// 15 units a pixel at its design size, fewer when it is given more room, so
// the graph keeps its proportions and the group is centred in any spare room.
#include <QWidget>

#include <cstdint>
#include <functional>

class QScrollBar;
class QLabel;

namespace vs::session {

class SessionModel;
class GraphView;
class StripView;
class RandomSource;
class EditHistory;

class GraphFrame : public QWidget {
    Q_OBJECT
public:
    explicit GraphFrame(SessionModel& model, QWidget* parent = nullptr);
    ~GraphFrame() override;

    // Redraws everything from the model (after open, new, options).
    void refresh();
    // Grid and axis values from the model's ranges and the two display
    // preferences ("Ver Lineas Grid", "Ver Texto Frecuencias").
    void DibujarGrid();
    // Length labels from the model's minutes and seconds.
    void EscribirTiempos();

    // Time cursor on the graph and on the strip, x in graph units.
    void setCursorX(double x);
    void setCursorVisible(bool visible);

    // Player locks these while a session plays.
    void setLengthEnabled(bool enabled);
    void setStripEnabled(bool enabled);

    QScrollBar* scrollMinutos() const;
    QScrollBar* scrollSegundos() const;
    QString lblTiempoText() const;

    // Size of the group at 15 units a pixel.
    static QSize designSize();
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Pixels per 15 graph units (1.0 at the design size).
    double scale() const; // the smaller of the two below
    double scaleX() const;
    double scaleY() const;
    GraphView* graphView() const;
    StripView* stripView() const;
    // Colours of the strip cells by sequence (see StripView::setSequencePalette).
    void setSequencePalette(std::function<std::uint32_t(int sequence)> palette);
    // Picks new segments' sequences; nullptr restores the clock-seeded one.
    void setRandomSource(RandomSource* random);
    // Records the curve gestures and length changes as steps (nullptr: none);
    // while the length bars are locked, the history keeps the length too.
    void setEditHistory(EditHistory* history);

signals:
    // Point information for the info frame; empty text clears a label.
    void infoHz(const QString& text);
    void infoFR(const QString& text);
    void infoTime(const QString& text);
    // The length label's caption changed (the session list and the modified
    // flag follow it).
    void lengthTextChanged(const QString& text);
    // The user edited a curve (the model's SesionModificada is already set).
    void edited();
    // Strip cell mouse work, forwarded to the LED sequencer. x, y in pixels
    // relative to the cell; width/height of the cell in pixels.
    void cellPressed(int index, Qt::MouseButton button);
    void cellReleased(int index);
    void cellMoved(int index, int x, int y, int cellWidth, int cellHeight,
                   Qt::MouseButtons buttons);
    void cellDoubleClicked(int index);

protected:
    void resizeEvent(QResizeEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    void relayout();
    void minutosChanged(int value);
    void segundosChanged(int value);
    void syncScrollBars();

    struct Private;
    Private* d;
};

} // namespace vs::session
