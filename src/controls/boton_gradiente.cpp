// SPDX-License-Identifier: GPL-3.0-or-later
#include "boton_gradiente.h"

#include <QCursor>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QTimer>

#include <cmath>

namespace vs::controls {
namespace {

constexpr Colour kSystemButtonFace = kSystemColourFlag | kColorBtnFace;
constexpr Colour kSystemButtonText = kSystemColourFlag | kColorBtnText;

Colour fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}

SystemColours systemColours(const QPalette& p) {
    SystemColours s{};
    s[kColorWindow] = fromQColor(p.color(QPalette::Base));
    s[kColorWindowText] = fromQColor(p.color(QPalette::Text));
    s[13] = fromQColor(p.color(QPalette::Highlight));
    s[14] = fromQColor(p.color(QPalette::HighlightedText));
    s[kColorBtnFace] = fromQColor(p.color(QPalette::Button));
    s[kColorBtnShadow] = fromQColor(p.color(QPalette::Dark));
    s[17] = fromQColor(p.color(QPalette::Disabled, QPalette::Text));
    s[kColorBtnText] = fromQColor(p.color(QPalette::ButtonText));
    s[kColorBtnHighlight] = fromQColor(p.color(QPalette::Light));
    s[kColor3dDkShadow] = fromQColor(p.color(QPalette::Shadow));
    s[kColor3dLight] = fromQColor(p.color(QPalette::Midlight));
    s[23] = fromQColor(p.color(QPalette::ToolTipText));
    s[24] = fromQColor(p.color(QPalette::ToolTipBase));
    return s;
}

} // namespace

BotonGradiente::BotonGradiente(QWidget* parent) : QAbstractButton(parent) {
    init();
    // A newly placed control shows its own name until it is given a caption.
    backColor_ = backOver_ = kSystemButtonFace;
    foreColor_ = foreOver_ = kSystemButtonText;
    setColours();
}

BotonGradiente::BotonGradiente(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    init();
    applyHouseStyle();
    setCaption(caption);
}

BotonGradiente::~BotonGradiente() {
    drawingAllowed_ = false;
    OverTimer_->stop();
}

void BotonGradiente::init() {
    backColor_ = backOver_ = kHouseBack;
    foreColor_ = foreOver_ = 0;
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_NoSystemBackground);
    OverTimer_ = new QTimer(this);
    OverTimer_->setObjectName(QStringLiteral("OverTimer"));
    OverTimer_->setInterval(kOverTimerMs);
    connect(OverTimer_, &QTimer::timeout, this, &BotonGradiente::overTick);
    connect(this, &QAbstractButton::clicked, this, &BotonGradiente::Click);
    pointer_ = [] { return QCursor::pos(); };
}

void BotonGradiente::applyHouseStyle() {
    buttonType_ = Look3;
    colorScheme_ = SchemeSystem;
    backColor_ = backOver_ = kHouseBack;
    foreColor_ = foreOver_ = 0;
    showFocusRect_ = true;
    useMaskColor_ = true;
    mousePointer_ = PointerArrow;
    applyPointer();
    changed();
}

// ---- properties -------------------------------------------------------------

void BotonGradiente::changed() {
    setColours();
    Redraw(currentState(), true);
}

void BotonGradiente::setBackColor(Colour c) {
    backColor_ = c;
    changed();
}
void BotonGradiente::setBackOver(Colour c) {
    backOver_ = c;
    changed();
}
void BotonGradiente::setForeColor(Colour c) {
    foreColor_ = c;
    changed();
}
void BotonGradiente::setForeOver(Colour c) {
    foreOver_ = c;
    changed();
}
void BotonGradiente::setMaskColor(Colour c) {
    maskColor_ = c;
    changed();
}
void BotonGradiente::setButtonType(Look look) {
    buttonType_ = look;
    changed();
}
void BotonGradiente::setCaption(const QString& caption) {
    setText(caption); // also takes the access key
    measureCaption();
    Redraw(currentState(), false);
}
void BotonGradiente::setFontBold(bool on) {
    QFont f = font();
    f.setBold(on);
    setFont(f);
}
void BotonGradiente::setFontItalic(bool on) {
    QFont f = font();
    f.setItalic(on);
    setFont(f);
}
void BotonGradiente::setFontUnderline(bool on) {
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}
void BotonGradiente::setFontSize(double points) {
    if (points <= 0) return;
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}
void BotonGradiente::setFontName(const QString& family) {
    QFont f = font();
    f.setFamily(family);
    setFont(f);
}
void BotonGradiente::setColorScheme(Scheme scheme) {
    colorScheme_ = scheme;
    changed();
}
void BotonGradiente::setShowFocusRect(bool on) {
    showFocusRect_ = on;
    changed();
}
void BotonGradiente::setMousePointer(Pointer pointer) {
    mousePointer_ = pointer;
    applyPointer();
}
void BotonGradiente::setMouseIcon(const QPixmap& icon) {
    mouseIcon_ = icon;
    applyPointer();
}
void BotonGradiente::setHandPointer(bool on) {
    handPointer_ = on;
    applyPointer();
}
void BotonGradiente::setSoftBevel(bool on) {
    softBevel_ = on;
    changed();
}
void BotonGradiente::setPictureNormal(const QPixmap& p) {
    pictureNormal_ = p;
    changed();
}
void BotonGradiente::setPictureOver(const QPixmap& p) {
    pictureOver_ = p;
    changed();
}
void BotonGradiente::setPicturePosition(int position) {
    picturePosition_ = position;
    changed();
}
void BotonGradiente::setUseMaskColor(bool on) {
    useMaskColor_ = on;
    changed();
}
void BotonGradiente::setUseGreyscale(bool on) {
    useGreyscale_ = on;
    changed();
}
void BotonGradiente::setSpecialEffect(int effect) {
    specialEffect_ = effect;
    changed();
}
void BotonGradiente::setCheckBoxBehaviour(bool on) {
    checkBoxBehaviour_ = on;
    Redraw(DrawState::Normal, true);
}
void BotonGradiente::setValue(bool on) {
    value_ = on;
    Redraw(DrawState::Normal, true);
}

void BotonGradiente::applyPointer() {
    if (handPointer_) {
        setCursor(Qt::PointingHandCursor);
        return;
    }
    switch (mousePointer_) {
    case PointerArrow:
        setCursor(Qt::ArrowCursor);
        break;
    case PointerCross:
        setCursor(Qt::CrossCursor);
        break;
    case PointerIBeam:
        setCursor(Qt::IBeamCursor);
        break;
    case PointerHourglass:
        setCursor(Qt::WaitCursor);
        break;
    case PointerNoDrop:
        setCursor(Qt::ForbiddenCursor);
        break;
    case PointerCustom:
        if (!mouseIcon_.isNull())
            setCursor(QCursor(mouseIcon_));
        else
            unsetCursor();
        break;
    default:
        unsetCursor();
        break;
    }
}

// ---- the property bag -------------------------------------------------------

void BotonGradiente::WriteProperties(PropertyBag& bag) const {
    bag["BTYPE"] = int(buttonType_);
    bag["TX"] = text();
    bag["ENAB"] = isEnabled();
    bag["FONT"] = font();
    bag["COLTYPE"] = int(colorScheme_);
    bag["FOCUSR"] = showFocusRect_;
    bag["BCOL"] = backColor_;
    bag["BCOLO"] = backOver_;
    bag["FCOL"] = foreColor_;
    bag["FCOLO"] = foreOver_;
    bag["MCOL"] = maskColor_;
    bag["MPTR"] = int(mousePointer_);
    bag["MICON"] = mouseIcon_;
    bag["PICN"] = pictureNormal_;
    bag["PICH"] = pictureOver_;
    bag["UMCOL"] = useMaskColor_;
    bag["SOFT"] = softBevel_;
    bag["PICPOS"] = picturePosition_;
    bag["NGREY"] = useGreyscale_;
    bag["FX"] = specialEffect_;
    bag["HAND"] = handPointer_;
    bag["CHECK"] = checkBoxBehaviour_;
    bag["VALUE"] = value_;
}

void BotonGradiente::ReadProperties(const PropertyBag& bag) {
    const bool wasAllowed = drawingAllowed_;
    drawingAllowed_ = false; // one drawing at the end, not one per property
    auto get = [&bag](const char* key, const QVariant& fallback) {
        auto it = bag.find(QString::fromLatin1(key));
        return it == bag.end() ? fallback : it.value();
    };
    buttonType_ = Look(get("BTYPE", Look2).toInt());
    setText(get("TX", QString()).toString());
    setEnabled(get("ENAB", true).toBool());
    const QWidget* container = parentWidget();
    setFont(get("FONT", container ? container->font() : font()).value<QFont>());
    colorScheme_ = Scheme(get("COLTYPE", SchemeSystem).toInt());
    showFocusRect_ = get("FOCUSR", true).toBool();
    backColor_ = get("BCOL", kSystemButtonFace).toUInt();
    backOver_ = get("BCOLO", backColor_).toUInt();
    foreColor_ = get("FCOL", kSystemButtonText).toUInt();
    foreOver_ = get("FCOLO", foreColor_).toUInt();
    maskColor_ = get("MCOL", kDefaultMask).toUInt();
    mousePointer_ = Pointer(get("MPTR", PointerDefault).toInt());
    mouseIcon_ = get("MICON", QPixmap()).value<QPixmap>();
    pictureNormal_ = get("PICN", QPixmap()).value<QPixmap>();
    pictureOver_ = get("PICH", QPixmap()).value<QPixmap>();
    useMaskColor_ = get("UMCOL", true).toBool();
    softBevel_ = get("SOFT", false).toBool();
    picturePosition_ = get("PICPOS", 0).toInt();
    useGreyscale_ = get("NGREY", false).toBool();
    specialEffect_ = get("FX", 0).toInt();
    handPointer_ = get("HAND", false).toBool();
    checkBoxBehaviour_ = get("CHECK", false).toBool();
    value_ = get("VALUE", false).toBool();
    applyPointer();
    measureCaption();
    drawingAllowed_ = wasAllowed;
    changed();
}

// ---- drawing ----------------------------------------------------------------

DrawState BotonGradiente::currentState() const {
    return lastState_ == int(DrawState::Pressed) ? DrawState::Pressed : DrawState::Normal;
}

SchemeInput BotonGradiente::schemeInput(bool over) const {
    SchemeInput in;
    in.scheme = colorScheme_;
    in.buttonType = buttonType_;
    in.softBevel = softBevel_;
    in.backColor = over ? backOver_ : backColor_;
    in.backOver = backOver_;
    in.foreColor = foreColor_;
    in.foreOver = foreOver_;
    in.maskColor = maskColor_;
    in.system = systemColours(palette());
    const QWidget* container = parentWidget() ? parentWidget() : this;
    in.parentBack = fromQColor(container->palette().color(container->backgroundRole()));
    in.parentText = fromQColor(container->palette().color(container->foregroundRole()));
    return in;
}

void BotonGradiente::setColours() {
    colours_ = SetColors(schemeInput(false));
}

void BotonGradiente::measureCaption() {
    captionRect_ = captionRectFor(QFontMetrics(font()), text(), width(), height());
}

void BotonGradiente::DisableRefresh() {
    drawingAllowed_ = false;
}

void BotonGradiente::Refresh() {
    drawingAllowed_ = true;
    setColours();
    measureCaption();
    Redraw(currentState(), true);
}

void BotonGradiente::Redraw(DrawState state, bool force) {
    if (checkBoxBehaviour_ && value_) state = DrawState::Pressed;
    if (!force && int(state) == lastState_ && text() == lastCaption_) return;
    if (height() == 0) {
        picture_ = QImage(); // nothing to show, and no stale picture of an older size
        return;
    }
    if (!drawingAllowed_) return;
    lastState_ = int(state);
    lastCaption_ = text();

    LookInput in;
    const qreal dpr = devicePixelRatioF();
    in.width = static_cast<int>(std::lround(width() * dpr));
    in.height = static_cast<int>(std::lround(height() * dpr));
    in.devicePixelRatio = dpr;
    in.state = state;
    in.enabled = isEnabled();
    in.mouseOver = mouseOver_;
    in.focusShown = hasFocus_ && showFocusRect_;
    in.softBevel = softBevel_;
    // Over a scheme-2 button its back-over colour stands in for the back colour.
    in.colours =
        mouseOver_ && colorScheme_ == SchemeCustom ? SetColors(schemeInput(true)) : colours_;
    in.caption = text();
    in.font = font();
    in.captionRect = captionRect_;
    picture_ = paintGradientLook(in);
    update();
}

void BotonGradiente::paintEvent(QPaintEvent*) {
    // A caption set through the plain QAbstractButton call is drawn as well.
    if (text() != lastCaption_) {
        measureCaption();
        Redraw(currentState(), false);
    }
    if (picture_.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void BotonGradiente::resizeEvent(QResizeEvent*) {
    setMask(gradientRegion(width(), height()));
    measureCaption();
    Redraw(currentState(), true);
}

void BotonGradiente::showEvent(QShowEvent*) {
    drawingAllowed_ = true;
    Redraw(currentState(), true);
}

void BotonGradiente::changeEvent(QEvent* e) {
    switch (e->type()) {
    case QEvent::EnabledChange:
        Redraw(DrawState::Normal, true);
        break;
    case QEvent::FontChange:
        measureCaption();
        Redraw(DrawState::Normal, true);
        break;
    case QEvent::PaletteChange:
    case QEvent::StyleChange:
        // A scheme-2 button keeps its own colours whatever the desktop does.
        if (colorScheme_ != SchemeCustom) changed();
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(e);
}

QSize BotonGradiente::sizeHint() const {
    const QFontMetrics fm(font());
    const QSize text = fm.size(Qt::TextShowMnemonic, QAbstractButton::text());
    return QSize(text.width() + 16, text.height() + 10).expandedTo(QSize(75, 25));
}

QSize BotonGradiente::minimumSizeHint() const {
    const QFontMetrics fm(font());
    const QSize text = fm.size(Qt::TextShowMnemonic, QAbstractButton::text());
    return QSize(text.width() + 8, text.height() + 6);
}

// ---- mouse and keyboard -----------------------------------------------------

bool BotonGradiente::hitButton(const QPoint& pos) const {
    return rect().contains(pos) && (mask().isEmpty() || mask().contains(pos));
}

void BotonGradiente::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    emit MouseDown(e->button(), e->modifiers(), at.x(), at.y());
    lastButton_ = e->button();
    pressedHere_ = true;
    doubleClicked_ = false;
    if (e->button() != Qt::RightButton) Redraw(DrawState::Pressed, false);
    e->accept();
}

void BotonGradiente::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->accept();
        return;
    }
    // The second press of a double click: pressed again, but the click it
    // ends was already raised by the first release.
    mousePressEvent(e);
    doubleClicked_ = true;
    grabMouse();
}

void BotonGradiente::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    emit MouseMove(e->buttons(), e->modifiers(), at.x(), at.y());
    if (e->buttons() != Qt::NoButton && e->buttons() != Qt::LeftButton) return;
    const bool inside = hitButton(at);
    if (inside && e->buttons() == Qt::NoButton) {
        if (!mouseOver_) {
            OverTimer_->start();
            mouseOver_ = true;
            Redraw(DrawState::Normal, true);
            emit MouseOver();
        }
    } else if (inside) {
        Redraw(DrawState::Pressed, false);
    } else {
        Redraw(DrawState::Normal, false);
    }
}

void BotonGradiente::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    if (QWidget::mouseGrabber() == this) releaseMouse();
    emit MouseUp(e->button(), e->modifiers(), at.x(), at.y());
    if (e->button() != Qt::RightButton) Redraw(DrawState::Normal, false);
    const bool clicks = pressedHere_ && !doubleClicked_ && hitButton(at);
    pressedHere_ = false;
    doubleClicked_ = false;
    if (clicks) containerClick();
}

void BotonGradiente::overTick() {
    if (hitButton(mapFromGlobal(pointer_()))) return;
    OverTimer_->stop();
    mouseOver_ = false;
    Redraw(DrawState::Normal, true);
    emit MouseOut();
}

void BotonGradiente::leaveEvent(QEvent* e) {
    // Ends the hover at once when the window system says so; the timer is
    // the fallback for a pointer that leaves unseen.
    if (mouseOver_) overTick();
    QAbstractButton::leaveEvent(e);
}

void BotonGradiente::containerClick() {
    if (lastButton_ == Qt::LeftButton && isEnabled()) click();
}

void BotonGradiente::nextCheckState() {
    if (checkBoxBehaviour_) value_ = !value_;
    Redraw(DrawState::Normal, true);
    Refresh();
}

void BotonGradiente::keyPressEvent(QKeyEvent* e) {
    emit KeyDown(e->key(), e->modifiers());
    lastKey_ = e->key();
    bool used = true;
    switch (e->key()) {
    case Qt::Key_Space:
        Redraw(DrawState::Pressed, false);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        break;
    default:
        used = false;
        break;
    }
    if (!e->text().isEmpty()) emit KeyPress(e->text().at(0).unicode());
    // Escape, Return and the rest still reach the dialog.
    if (used)
        e->accept();
    else
        e->ignore();
}

void BotonGradiente::keyReleaseEvent(QKeyEvent* e) {
    // Holding a key repeats its press only; the one release is the real one.
    if (e->isAutoRepeat()) {
        e->accept();
        return;
    }
    emit KeyUp(e->key(), e->modifiers());
    if (e->key() == Qt::Key_Space && lastKey_ == Qt::Key_Space) {
        click();
        e->accept();
        return;
    }
    e->ignore();
}

void BotonGradiente::focusInEvent(QFocusEvent* e) {
    hasFocus_ = true;
    Redraw(currentState(), true);
    QAbstractButton::focusInEvent(e);
}

void BotonGradiente::focusOutEvent(QFocusEvent* e) {
    hasFocus_ = false;
    Redraw(currentState(), true);
    QAbstractButton::focusOutEvent(e);
}

bool BotonGradiente::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        // The access key clicks as the left button would.
        lastButton_ = Qt::LeftButton;
        containerClick();
        return true;
    }
    return QAbstractButton::event(e);
}

QAbstractButton* makeHouseButton(const QString& caption, QWidget* parent) {
    return new BotonGradiente(caption, parent);
}

} // namespace vs::controls
