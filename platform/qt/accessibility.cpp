// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/accessibility.h"

#include <algorithm>
#include <initializer_list>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>
#include <QWidget>

#include "platform/qt/widgets.h"

namespace mt::qt {

QString plainWords(const std::string& text) {
    QString s = QString::fromStdString(text);
    // "&&" is a real ampersand; a single "&" only marks the access key.
    s.replace("&&", QChar(1));
    s.remove('&');
    s.replace(QChar(1), '&');
    const QStringList words = s.simplified().split(' ', Qt::SkipEmptyParts);
    const bool spaced = words.size() >= 3 && std::all_of(words.begin(), words.end(), [](const QString& w) {
                            return w.size() == 1 && w.at(0).isLetter();
                        });
    QString out = words.join(spaced ? "" : " ");
    if (out.size() > 1 && out == out.toUpper() && out != out.toLower()) {
        out = out.toLower();
        out[0] = out.at(0).toUpper();
    }
    return out;
}

namespace {

// "common/pijl_rechts" -> "Pijl rechts"
QString pictureWord(const std::string& picture) {
    QString word = QString::fromStdString(picture.substr(picture.rfind('/') + 1)).replace('_', ' ');
    if (!word.isEmpty())
        word[0] = word.at(0).toUpper();
    return word;
}

QString firstOf(std::initializer_list<QString> names) {
    for (const QString& n : names)
        if (!n.isEmpty())
            return n;
    return {};
}

} // namespace

QString accessibleName(const Control& c) {
    const QString named = plainWords(c.accessibleName());
    switch (c.kind()) {
    case Kind::Button:
        return firstOf({plainWords(c.caption()), named, plainWords(c.toolTip()), pictureWord(c.picture())});
    case Kind::TextBox: {
        if (!named.isEmpty())
            return named;
        if (c.labelledBy())
            if (QString n = plainWords(c.labelledBy()->caption()); !n.isEmpty())
                return n;
        for (const Control* in = c.container(); in; in = in->container())
            if (QString n = plainWords(in->caption()); !n.isEmpty())
                return n;
        return QStringLiteral("Antwoord");
    }
    case Kind::Frame:
        return firstOf({plainWords(c.caption()), named});
    default:
        return named;
    }
}

QString accessibleDescription(const Control& c) {
    switch (c.kind()) {
    case Kind::Button:
        return plainWords(c.toolTip());
    case Kind::TextBox:
        return firstOf({plainWords(c.toolTip()), QStringLiteral("Typ hier je antwoord")});
    default:
        return {};
    }
}

QString accessibleName(const Screen& s) {
    return plainWords(s.accessibleName().empty() ? s.caption() : s.accessibleName());
}

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
