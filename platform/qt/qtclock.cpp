// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qtclock.h"

#include <cmath>

#include <QDateTime>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>

#include "platform/qt/qtbinding.h"

namespace mt::qt {

Clock::Handle QtClock::start(int intervalMs, std::function<void()> due) {
    auto timer = std::make_unique<QTimer>();
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(intervalMs);
    QObject::connect(timer.get(), &QTimer::timeout, std::move(due));
    timer->start();
    Handle h = m_next++;
    m_timers.emplace(h, std::move(timer));
    return h;
}

void QtClock::stop(Handle h) {
    auto it = m_timers.find(h);
    if (it == m_timers.end())
        return;
    it->second->stop();
    // The handler that stops a timer may be running inside that timer's own timeout signal.
    it->second.release()->deleteLater();
    m_timers.erase(it);
}

std::int64_t QtClock::now() const {
    return QDateTime::currentMSecsSinceEpoch();
}

void QtMessageBox::information(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, m_parent ? m_parent() : nullptr);
    box.exec();
}

QtMetrics::QtMetrics(double zoom, QRect workArea) : m_zoom(zoom), m_workArea(workArea) {}

int QtMetrics::displayWidth() const {
    return int(std::lround(m_workArea.width() * 15 / m_zoom));
}
int QtMetrics::displayHeight() const {
    return int(std::lround(m_workArea.height() * 15 / m_zoom));
}

int QtMetrics::textWidth(const std::string& text, const Font& font) const {
    QFontMetricsF fm(QtBinding::toQFont(font, m_zoom));
    return int(std::lround(fm.horizontalAdvance(QString::fromStdString(text)) * 15 / m_zoom));
}

int QtMetrics::twipsPerPixel() const {
    return std::max(1, int(std::lround(15 / m_zoom)));
}

} // namespace mt::qt
