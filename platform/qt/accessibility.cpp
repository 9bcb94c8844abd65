// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "platform/qt/widgets.h"

namespace mt::qt {

namespace {

// Pictures, frames and picture boxes. Without a name they are decoration and say nothing, not
// even their tool tip; a frame with a caption groups what it holds.
class PanelAccessible : public QAccessibleWidget {
public:
    explicit PanelAccessible(QWidget* w) : QAccessibleWidget(w) {}

    QAccessible::Role role() const override {
        if (widget()->accessibleName().isEmpty())
            return QAccessible::Client;
        return widget()->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly) ? QAccessible::Grouping
                                                                                    : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override {
        return widget()->accessibleName().isEmpty() ? QString() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* screenParts(const QString& className, QObject* object) {
    // Our widgets declare no meta-object of their own: they come by as plain QWidgets. A widget
    // being destroyed is no longer one of ours by its type, and is left to Qt.
    if (!object || !object->isWidgetType() || className != QLatin1String("QWidget"))
        return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (dynamic_cast<ScreenWindowTag*>(w) && w->isWindow())
        return new QAccessibleWidget(w, QAccessible::Window);
    if (dynamic_cast<Panel*>(w))
        return new PanelAccessible(w);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(screenParts);
        return true;
    }();
    (void)installed;
}

} // namespace mt::qt
