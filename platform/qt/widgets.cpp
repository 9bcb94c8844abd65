// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/widgets.h"

#include <map>
#include <memory>
#include <stdexcept>

#include <QDate>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTime>

namespace mt::qt {

QSvgRenderer* picture(const std::string& name) {
    if (name.empty())
        return nullptr;
    // One renderer per picture for the whole program: parsed once, drawn at any size.
    static std::map<std::string, std::unique_ptr<QSvgRenderer>> cache;
    auto& slot = cache[name];
    if (!slot) {
        slot = std::make_unique<QSvgRenderer>(QString(":/%1.svg").arg(QString::fromStdString(name)));
        if (!slot->isValid())
            throw std::runtime_error("picture missing from the build: " + name);
        slot->setAspectRatioMode(Qt::KeepAspectRatio);
    }
    return slot.get();
}

Panel::Panel(QWidget* parent) : QWidget(parent) {}

void Panel::setFill(std::optional<QColor> c) {
    m_fill = c;
    update();
}

void Panel::setOutline(std::optional<QColor> c, int width) {
    m_outline = c;
    m_outlineWidth = width;
    update();
}

void Panel::setPicture(QSvgRenderer* r) {
    m_picture = r;
    update();
}

void Panel::setTitle(const QString& title, QColor color) {
    m_title = title;
    m_titleColor = color;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_fill)
        p.fillRect(rect(), *m_fill);
    if (m_picture)
        m_picture->render(&p, rect());
    const QFontMetrics fm(font());
    // With a caption the outline runs through the middle of the caption's line.
    const int titleDrop = m_title.isEmpty() ? 0 : fm.height() / 2;
    if (m_outline) {
        p.setPen(QPen(*m_outline, m_outlineWidth));
        const int half = m_outlineWidth / 2;
        p.drawRect(rect().adjusted(half, half + titleDrop, -half - 1, -half - 1));
    }
    if (!m_title.isEmpty()) {
        const QRect text = titleBox();
        if (m_fill)
            p.fillRect(text, *m_fill);
        p.setPen(m_titleColor);
        p.drawText(text, Qt::AlignCenter, m_title);
    }
}

QRect Panel::titleBox() const {
    const QFontMetrics fm(font());
    return QRect(8, 0, fm.horizontalAdvance(m_title) + 6, fm.height());
}

bool Panel::titleFits() const {
    return m_title.isEmpty() || titleBox().right() < width() - 8;
}

void Panel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked)
        clicked();
}

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void PictureButton::setFill(QColor c) {
    m_fill = c;
    update();
}

void PictureButton::setTextColor(QColor c) {
    m_text = c;
    update();
}

void PictureButton::setPicture(QSvgRenderer* r) {
    m_picture = r;
    update();
}

// Enter and Space reach the model through the binding's key handling; Qt must not click twice.
void PictureButton::keyPressEvent(QKeyEvent* e) {
    QWidget::keyPressEvent(e);
}
void PictureButton::keyReleaseEvent(QKeyEvent* e) {
    QWidget::keyReleaseEvent(e);
}

QRectF PictureButton::innerBox() const {
    return QRectF(rect()).adjusted(5, 5, -5, -5);
}

QRectF PictureButton::captionBox() const {
    // Inside the outline; on a small button the focus rings may run over the caption's edge.
    return QRectF(rect()).adjusted(2, 2, -2, -2);
}

PictureButton::Layout PictureButton::layout() const {
    const QRectF inner = innerBox();
    Layout l{inner, captionBox()};
    if (m_picture) {
        const QSizeF pic = m_picture->defaultSize();
        const bool banner = pic.height() > 0 && pic.width() / pic.height() >= 2.5;
        if (!text().isEmpty() && !banner) {
            // A short caption goes under the picture, like a label on a box.
            const qreal h = QFontMetricsF(font()).height() * 1.1;
            l.picture.setBottom(inner.bottom() - h);
            l.caption.setTop(l.picture.bottom());
        }
    }
    return l;
}

bool PictureButton::captionFits() const {
    const QRect box = layout().caption.toAlignedRect();
    const QRect needed = QFontMetrics(font()).boundingRect(box, captionFlags, text());
    return box.contains(needed);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool down = isDown();
    const bool on = isEnabled();
    QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const qreal radius = std::min(box.height(), box.width()) * 0.12;

    QColor fill = on ? m_fill : m_fill.lighter(130);
    p.setPen(QPen(fill.darker(down ? 200 : 160), 2));
    p.setBrush(down ? fill.darker(115) : fill);
    p.drawRoundedRect(box, radius, radius);

    Layout l = layout();
    if (down) {
        l.picture.translate(1, 1);
        l.caption.translate(1, 1);
    }
    const QString caption = text();
    if (m_picture) {
        if (!on)
            p.setOpacity(0.4);
        m_picture->render(&p, l.picture);
        p.setOpacity(1);
    }
    if (!caption.isEmpty()) {
        p.setFont(font());
        p.setPen(on ? m_text : QColor(128, 128, 128));
        p.drawText(l.caption, captionFlags, caption);
    }
    if (hasFocus()) {
        // Two rings of 3 px that follow the button's outline: dark along the edge, light inside it.
        // Against any fill one of the two stands out by more than 3:1; the dark one also marks the
        // edge on the light screens, the light one shows inside a dark button.
        p.setBrush(Qt::NoBrush);
        const QRectF edge = QRectF(rect());
        const qreal w = focusRingWidth;
        const qreal outer = std::max<qreal>(0, radius + 1 - w / 2), inner = std::max<qreal>(0, outer - w);
        p.setPen(QPen(QColor(focusRingDark), w));
        p.drawRoundedRect(edge.adjusted(w / 2, w / 2, -w / 2, -w / 2), outer, outer);
        p.setPen(QPen(QColor(focusRingLight), w));
        p.drawRoundedRect(edge.adjusted(w * 1.5, w * 1.5, -w * 1.5, -w * 1.5), inner, inner);
    }
}

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setLook(ShapeStyle style, std::optional<QColor> fill, std::optional<QColor> outline,
                          int width) {
    m_style = style;
    m_fill = fill;
    m_outline = outline;
    m_width = width;
    update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(m_outline ? QPen(*m_outline, m_width) : QPen(Qt::NoPen));
    p.setBrush(m_fill ? QBrush(*m_fill) : QBrush(Qt::NoBrush));
    const qreal half = m_outline ? m_width / 2.0 : 0;
    QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    switch (m_style) {
    case ShapeStyle::Rectangle:
        p.drawRect(box);
        break;
    case ShapeStyle::RoundedRectangle: {
        const qreal r = std::min(box.width(), box.height()) * 0.15;
        p.drawRoundedRect(box, r, r);
        break;
    }
    case ShapeStyle::Oval:
        p.drawEllipse(box);
        break;
    }
}

LineWidget::LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::setLook(QColor c, int width, bool rising) {
    m_color = c;
    m_width = width;
    m_rising = rising;
    update();
}

void LineWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::RoundCap));
    const QRectF r = QRectF(rect()).adjusted(m_width / 2.0, m_width / 2.0, -m_width / 2.0, -m_width / 2.0);
    if (m_rising)
        p.drawLine(r.bottomLeft(), r.topRight());
    else
        p.drawLine(r.topLeft(), r.bottomRight());
}

StatusBarWidget::StatusBarWidget(QWidget* parent, const StatusBar& model, std::function<int(int)> px)
    : QWidget(parent), m_model(model), m_px(std::move(px)) {}

void StatusBarWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(palette().color(QPalette::Dark));
    p.drawLine(0, 0, width(), 0);
    for (int i = 1; i <= m_model.panelCount(); ++i) {
        const auto& panel = m_model.panel(i);
        QRect box(m_px(m_model.panelLeft(i)), 2, m_px(panel.width), height() - 4);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(box.adjusted(0, 0, -2, -1));
        QString text = QString::fromStdString(panel.text);
        if (panel.style == StatusBar::Style::Date)
            text = QLocale(QLocale::Dutch).toString(QDate::currentDate(), QLocale::ShortFormat);
        else if (panel.style == StatusBar::Style::Time)
            text = QTime::currentTime().toString("HH:mm");
        p.setPen(palette().color(QPalette::WindowText));
        p.setClipRect(box.adjusted(3, 0, -3, 0));
        // Blanks keep their width, so the scrolling text really scrolls.
        p.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, text);
        p.setClipping(false);
    }
}

} // namespace mt::qt
