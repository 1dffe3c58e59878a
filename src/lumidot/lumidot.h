// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One round LED, lit or unlit, in two chosen colours; optionally toggled by a
// left click. Colours cross the interface as 0x00BBGGRR numbers (red in the low
// byte). BackColor may also be a system-colour reference (high bit set, the
// index of a system colour in the low byte), resolved from the palette.
#include "lumidot_export.h"

#include <QWidget>
#include <cstdint>
#include <memory>

class LUMIDOT_EXPORT Lumidot : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool Lit READ Lit WRITE setLit USER true)
    Q_PROPERTY(quint32 LitColour READ LitColour WRITE setLitColour)
    Q_PROPERTY(quint32 UnLitColour READ UnLitColour WRITE setUnLitColour)
    Q_PROPERTY(bool AllowClick READ AllowClick WRITE setAllowClick)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor)

public:
    // Mouse buttons and modifier keys as reported by the mouse signals.
    enum Button { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
    enum Shift { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };
    // The button-face system colour, the default background.
    static constexpr quint32 kButtonFace = 0x8000000Fu;

    explicit Lumidot(QWidget* parent = nullptr);
    ~Lumidot() override;

    // A setter given the value the property already holds changes nothing:
    // no repaint, no propertiesChanged (a row of LEDs is rewritten at every
    // step of a sequence, most of them to what they show).
    bool Lit() const;
    void setLit(bool lit);
    quint32 LitColour() const;
    void setLitColour(quint32 c);
    quint32 UnLitColour() const;
    void setUnLitColour(quint32 c);
    // Changing it never repaints: nothing visible depends on it.
    bool AllowClick() const;
    void setAllowClick(bool allow);
    quint32 BackColor() const;
    void setBackColor(quint32 c);

    // Shows the modal about box.
    void AboutBox();

    QSize sizeHint() const override { return {11, 11}; }

    // 0x00BBGGRR to a Qt colour; system-colour references resolve against `w`.
    static QColor toQColor(quint32 bgr, const QWidget* w = nullptr);

signals:
    // Set properties whose change the host may want to persist.
    void propertiesChanged();
    void clicked();
    void mousePressed(int button, int shift, int x, int y);
    void mouseMoved(int button, int shift, int x, int y);
    void mouseReleased(int button, int shift, int x, int y);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // The property values live behind this pointer, so the class keeps its
    // size and layout (and the library its binary interface) as they change.
    struct Private;
    std::unique_ptr<Private> d_;
};
