// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include <QAbstractButton>
#include <QColor>
#include <QString>
#include <QWidget>

#include "platform/control.h"

class QSvgRenderer;

// The widgets that draw the controls Qt has no exact match for. They hold no state of their own
// beyond what the binding copies into them from the model.
namespace mt::qt {

// The rendered picture of assets/<name>.svg; a null pointer for an empty name.
QSvgRenderer* picture(const std::string& name);

// Fill, optional outline and optional picture: frames, picture boxes and image controls.
class Panel : public QWidget {
public:
    explicit Panel(QWidget* parent);
    void setFill(std::optional<QColor> c);
    void setOutline(std::optional<QColor> c, int width);
    void setPicture(QSvgRenderer* r);
    // A frame's caption, drawn into its outline at the top left.
    void setTitle(const QString& title, QColor color);
    // The caption shows whole, inside the outline's corners.
    bool titleFits() const;
    std::function<void()> clicked;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // Where the caption stands: from a little way into the top edge, as wide as it is.
    QRect titleBox() const;

    QString m_title;
    QColor m_titleColor;
    std::optional<QColor> m_fill, m_outline;
    int m_outlineWidth = 1;
    QSvgRenderer* m_picture = nullptr;
};

// The keyboard focus on a button: a dark ring along its edge and a light ring inside it.
inline constexpr int focusRingWidth = 3; // pixels, each ring
inline constexpr QRgb focusRingLight = qRgb(255, 255, 255);
inline constexpr QRgb focusRingDark = qRgb(0, 0, 0);

// A button with a fill colour, an optional picture and a caption under or over it.
class PictureButton : public QAbstractButton {
public:
    explicit PictureButton(QWidget* parent);
    void setFill(QColor c);
    QColor fill() const { return m_fill; }
    void setTextColor(QColor c);
    void setPicture(QSvgRenderer* r);
    QSize sizeHint() const override { return size(); }
    // The caption, with the font and in the room it has, shows whole.
    bool captionFits() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;
    // Where the picture and the caption go: inside the outline and the focus rings.
    struct Layout {
        QRectF picture, caption;
    };
    QRectF innerBox() const;
    QRectF captionBox() const;
    Layout layout() const;

    QColor m_fill, m_text;
    QSvgRenderer* m_picture = nullptr;
};

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent);
    void setLook(ShapeStyle style, std::optional<QColor> fill, std::optional<QColor> outline, int width);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeStyle m_style = ShapeStyle::Rectangle;
    std::optional<QColor> m_fill, m_outline;
    int m_width = 1;
};

// A line from one corner of its box to the other; `rising` goes from bottom-left to top-right.
class LineWidget : public QWidget {
public:
    explicit LineWidget(QWidget* parent);
    void setLook(QColor c, int width, bool rising);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor m_color;
    int m_width = 1;
    bool m_rising = false;
};

class StatusBarWidget : public QWidget {
public:
    StatusBarWidget(QWidget* parent, const StatusBar& model, std::function<int(int)> px);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const StatusBar& m_model;
    std::function<int(int)> m_px;
};

} // namespace mt::qt
