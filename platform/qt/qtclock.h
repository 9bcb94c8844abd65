// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QObject>
#include <QTimer>

#include "platform/qt/qtbinding.h"
#include "platform/services.h"

class QWidget;

namespace mt::qt {

// Real time: one precise QTimer per running timer. Qt keeps a precise timer's schedule at
// start + k * interval, so ticks do not drift.
class QtClock final : public Clock {
public:
    Handle start(int intervalMs, std::function<void()> due) override;
    void stop(Handle h) override;
    std::int64_t now() const override;

private:
    Handle m_next = 1;
    std::map<Handle, std::unique_ptr<QTimer>> m_timers;
};

class QtMessageBox final : public MessageBox {
public:
    // parent: the window the box belongs to, asked for each time a box opens.
    explicit QtMessageBox(std::function<QWidget*()> parent) : m_parent(std::move(parent)) {}
    void information(const std::string& text, const std::string& title) override;

private:
    std::function<QWidget*()> m_parent;
};

// The desktop and the fonts as Qt sees them, in the program's twips. The display a screen is centred
// on is the work area: the desktop less its panels.
class QtMetrics final : public Metrics {
public:
    explicit QtMetrics(double zoom, QRect workArea = QtBinding::workArea());
    int displayWidth() const override;
    int displayHeight() const override;
    int textWidth(const std::string& text, const Font& font) const override;
    int twipsPerPixel() const override;

private:
    double m_zoom;
    QRect m_workArea;
};

} // namespace mt::qt
