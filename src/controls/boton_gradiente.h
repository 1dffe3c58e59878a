// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// BotonGradiente: the program's own push button. It paints itself in the
// gradient look, follows the pointer (hover) with a 3 ms timer, can act as a
// two-state check button and raises the design's button events as signals.
//
// As a QAbstractButton it also fits code that knows only Qt buttons: `Click`
// and `clicked` are raised together, and `click()` is the same click a user
// makes (it toggles `value` with CheckBoxBehaviour and redraws first).
#include "button_colours.h"
#include "gradient_look.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QVariantMap>
#include <functional>

class QTimer;

namespace vs::controls {

// What the form stores for each control: property-bag keys to values.
using PropertyBag = QVariantMap;

class BotonGradiente : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint BackOver READ BackOver WRITE setBackOver)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(uint ForeOver READ ForeOver WRITE setForeOver)
    Q_PROPERTY(uint MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(Look ButtonType READ ButtonType WRITE setButtonType)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)
    Q_PROPERTY(bool FontItalic READ FontItalic WRITE setFontItalic)
    Q_PROPERTY(bool FontUnderline READ FontUnderline WRITE setFontUnderline)
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(Scheme ColorScheme READ ColorScheme WRITE setColorScheme)
    Q_PROPERTY(bool ShowFocusRect READ ShowFocusRect WRITE setShowFocusRect)
    Q_PROPERTY(Pointer MousePointer READ MousePointer WRITE setMousePointer)
    Q_PROPERTY(QPixmap MouseIcon READ MouseIcon WRITE setMouseIcon)
    Q_PROPERTY(bool HandPointer READ HandPointer WRITE setHandPointer)
    Q_PROPERTY(quintptr hWnd READ hWnd)
    Q_PROPERTY(bool SoftBevel READ SoftBevel WRITE setSoftBevel)
    Q_PROPERTY(QPixmap PictureNormal READ PictureNormal WRITE setPictureNormal)
    Q_PROPERTY(QPixmap PictureOver READ PictureOver WRITE setPictureOver)
    Q_PROPERTY(int PicturePosition READ PicturePosition WRITE setPicturePosition)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(bool UseGreyscale READ UseGreyscale WRITE setUseGreyscale)
    Q_PROPERTY(int SpecialEffect READ SpecialEffect WRITE setSpecialEffect)
    Q_PROPERTY(bool CheckBoxBehaviour READ CheckBoxBehaviour WRITE setCheckBoxBehaviour)
    Q_PROPERTY(bool value READ value WRITE setValue)
    Q_PROPERTY(QString Version READ Version)

public:
    // The values of the enumerated properties are the ones the property bag
    // stores (BTYPE, COLTYPE, MPTR), so forms written before keep their meaning.
    //
    // ButtonType: looks 1..14; look 3, the gradient, is the one drawn.
    enum Look {
        Look1 = 1,
        Look2,
        Look3,
        Look4,
        Look5,
        Look6,
        Look7,
        Look8,
        Look9,
        Look10,
        Look11,
        Look12,
        Look13,
        Look14
    };
    Q_ENUM(Look)
    // ColorScheme: the desktop's button colours; the four colour properties;
    // fixed greys; the container's colours.
    enum Scheme { SchemeSystem = 1, SchemeCustom = 2, SchemeGrey = 3, SchemeContainer = 4 };
    Q_ENUM(Scheme)
    // MousePointer: the pointer over the control (Custom: MouseIcon).
    enum Pointer {
        PointerDefault = 0,
        PointerArrow = 1,
        PointerCross = 2,
        PointerIBeam = 3,
        PointerHourglass = 11,
        PointerNoDrop = 12,
        PointerCustom = 99
    };
    Q_ENUM(Pointer)

    // A newly placed control: look 2, the desktop's colours, the control's
    // name as its caption.
    explicit BotonGradiente(QWidget* parent = nullptr);
    // A button in the program's own style (applyHouseStyle) with this caption.
    explicit BotonGradiente(const QString& caption, QWidget* parent = nullptr);
    ~BotonGradiente() override;

    // Look 3, scheme 1, back and back-over 0x00D8E9EC, fore colours 0, focus
    // ring on, arrow pointer: what every button of the program uses.
    void applyHouseStyle();

    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour c);
    Colour BackOver() const { return backOver_; }
    void setBackOver(Colour c);
    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour c);
    Colour ForeOver() const { return foreOver_; }
    void setForeOver(Colour c);
    Colour MaskColor() const { return maskColor_; }
    void setMaskColor(Colour c);
    Look ButtonType() const { return buttonType_; }
    void setButtonType(Look look);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    double FontSize() const { return font().pointSizeF(); }
    void setFontSize(double points);
    QString FontName() const { return font().family(); }
    void setFontName(const QString& family);
    Scheme ColorScheme() const { return colorScheme_; }
    void setColorScheme(Scheme scheme);
    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool on);
    Pointer MousePointer() const { return mousePointer_; }
    void setMousePointer(Pointer pointer);
    QPixmap MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QPixmap& icon);
    bool HandPointer() const { return handPointer_; }
    void setHandPointer(bool on);
    // The native window, 0 while the control has none of its own.
    quintptr hWnd() const { return static_cast<quintptr>(internalWinId()); }
    bool SoftBevel() const { return softBevel_; }
    void setSoftBevel(bool on);
    QPixmap PictureNormal() const { return pictureNormal_; }
    void setPictureNormal(const QPixmap& p);
    QPixmap PictureOver() const { return pictureOver_; }
    void setPictureOver(const QPixmap& p);
    int PicturePosition() const { return picturePosition_; }
    void setPicturePosition(int position);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool on);
    bool UseGreyscale() const { return useGreyscale_; }
    void setUseGreyscale(bool on);
    int SpecialEffect() const { return specialEffect_; }
    void setSpecialEffect(int effect);
    bool CheckBoxBehaviour() const { return checkBoxBehaviour_; }
    void setCheckBoxBehaviour(bool on);
    bool value() const { return value_; }
    void setValue(bool on);
    static QString Version() { return QStringLiteral("1.0.0"); }

    // No drawing until Refresh.
    void DisableRefresh();
    // Colours and caption measured again, drawing allowed, forced redraw.
    void Refresh();

    // The form's property bag: every key written; missing keys read as their defaults.
    void WriteProperties(PropertyBag& bag) const;
    void ReadProperties(const PropertyBag& bag);

    // The picture last drawn, in device pixels (null before the first drawing).
    const QImage& picture() const { return picture_; }
    bool mouseOver() const { return mouseOver_; }
    // Where the pointer is, in global coordinates; tests replace the real cursor.
    void setPointerSource(std::function<QPoint()> source) { pointer_ = std::move(source); }
    // The hover timer's interval in milliseconds.
    static constexpr int kOverTimerMs = 3;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void Click();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void KeyPress(int keyAscii);
    void KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void MouseOver();
    void MouseOut();

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void leaveEvent(QEvent* e) override;
    bool hitButton(const QPoint& pos) const override;
    // The one step every click takes before it is raised (user or program).
    void nextCheckState() override;

private:
    void init();
    void Redraw(DrawState state, bool force);
    // The state last drawn, to draw again after a change of colours or focus.
    DrawState currentState() const;
    void setColours();
    void measureCaption();
    void applyPointer();
    void overTick();
    // The container's click: only for the left button on an enabled control.
    void containerClick();
    SchemeInput schemeInput(bool over) const;
    // A property changed that the look shows.
    void changed();

    Colour backColor_, backOver_, foreColor_, foreOver_, maskColor_ = kDefaultMask;
    Look buttonType_ = Look2;
    Scheme colorScheme_ = SchemeSystem;
    bool showFocusRect_ = true;
    Pointer mousePointer_ = PointerDefault;
    QPixmap mouseIcon_, pictureNormal_, pictureOver_;
    bool handPointer_ = false;
    bool softBevel_ = false;
    int picturePosition_ = 0;
    bool useMaskColor_ = true;
    bool useGreyscale_ = false;
    int specialEffect_ = 0;
    bool checkBoxBehaviour_ = false;
    bool value_ = false;

    bool drawingAllowed_ = true;
    bool mouseOver_ = false;
    bool hasFocus_ = false;
    Qt::MouseButton lastButton_ = Qt::NoButton;
    int lastKey_ = 0;
    bool pressedHere_ = false;   // a press that a release may turn into a click
    bool doubleClicked_ = false; // the release after a double click raises no second click
    int lastState_ = -1;
    QString lastCaption_;
    ColourSet colours_;
    QRect captionRect_;
    QImage picture_;
    QTimer* OverTimer_ = nullptr;
    std::function<QPoint()> pointer_;
};

// For dialogs in lower layers that take a button factory.
QAbstractButton* makeHouseButton(const QString& caption, QWidget* parent);

} // namespace vs::controls
