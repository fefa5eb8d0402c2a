#include "app/accessiblecontrol.h"

#include <QTextLayout>
#include <QtQuick/private/qaccessiblequickitem_p.h>
#include <QtQuick/private/qquickflickable_p.h>
#include <QtQuick/private/qquickitem_p.h>
#include <QtQuick/private/qquicktext_p.h>
#include <QtQuick/private/qquicktext_p_p.h>

#include <algorithm>

namespace {

// None of the item is inside a part above it that clips what it draws.
bool clippedAway(const QQuickItem *item)
{
    const QRectF own = item->mapRectToScene(QRectF(0, 0, item->width(), item->height()));
    for (const QQuickItem *holder = item->parentItem(); holder; holder = holder->parentItem()) {
        if (holder->clip() && !own.intersects(holder->mapRectToScene(QRectF(0, 0, holder->width(), holder->height()))))
            return true;
    }
    return false;
}

class AccessibleQuickControl : public QAccessibleQuickItem
{
public:
    explicit AccessibleQuickControl(QQuickItem *item)
        : QAccessibleQuickItem(item)
    {
        // A reader hears a control become unavailable, or available again, as it happens.
        QObject::connect(item, &QQuickItem::enabledChanged, item, [item] {
            const QAccessibleInterface *self = QAccessible::queryAccessibleInterface(item);
            if (!self || self->role() == QAccessible::Client)
                return; // a part that is no control
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent event(item, changed);
            QAccessible::updateAccessibility(&event);
        });
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleQuickItem::state();
        if (!item()->isEnabled())
            state.disabled = true;
        for (const QQuickItem *shown = item(); shown; shown = shown->parentItem()) {
            if (qFuzzyIsNull(shown->opacity()))
                state.invisible = true;
        }
        if (clippedAway(item()))
            state.offscreen = true;
        return state;
    }

    // A label reads as text too, as a reader reads it a word or a line at a time.
    using QAccessibleQuickItem::text;
    QString text(int startOffset, int endOffset) const override
    {
        if (role() != QAccessible::StaticText)
            return QAccessibleQuickItem::text(startOffset, endOffset);
        return text(QAccessible::Name).mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override
    {
        return role() == QAccessible::StaticText ? text(QAccessible::Name).size() : QAccessibleQuickItem::characterCount();
    }

    // Qt Quick lists an action both for the role and for its handler in the scene.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleQuickItem::actionNames();
        names.removeDuplicates();
        // A tick box's press does what its toggle does.
        if (names.contains(toggleAction()))
            names.removeAll(pressAction());
        return names;
    }

protected:
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface && role() == QAccessible::StaticText)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleQuickItem::interface_cast(type);
    }
};

// The texts a scrolling view holds, top to bottom, read as one text with a line break between them.
class AccessibleScrolledText final : public AccessibleQuickControl
{
public:
    explicit AccessibleScrolledText(QQuickFlickable *view)
        : AccessibleQuickControl(view)
    {
        QObject::connect(view, &QQuickFlickable::contentYChanged, view, [view, caret = cursorPosition()]() mutable {
            QAccessibleInterface *self = QAccessible::queryAccessibleInterface(view);
            const int now = self && self->textInterface() ? self->textInterface()->cursorPosition() : caret;
            if (now == caret)
                return;
            caret = now;
            QAccessibleTextCursorEvent event(view, caret);
            QAccessible::updateAccessibility(&event);
        });
    }

    using AccessibleQuickControl::text;
    QString text(int startOffset, int endOffset) const override { return whole().mid(startOffset, endOffset - startOffset); }
    int characterCount() const override { return whole().size(); }

    // The first line shown whole.
    int cursorPosition() const override
    {
        const qreal top = view()->contentY() - 0.5;
        for (const Part &part : parts()) {
            const QTextLayout &layout = layoutOf(part);
            for (int i = 0; i < layout.lineCount(); ++i) {
                if (part.text->y() + layout.lineAt(i).y() >= top)
                    return part.start + layout.lineAt(i).textStart();
            }
        }
        return characterCount();
    }

    // Scrolls the line that holds `position` to the top.
    void setCursorPosition(int position) override
    {
        const Located at = locate(position);
        if (!at.part.text)
            return;
        const qreal end = std::max<qreal>(0, view()->contentHeight() - view()->height());
        view()->setContentY(std::clamp<qreal>(at.part.text->y() + at.line.y(), 0, end));
    }

    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }

    QRect characterRect(int offset) const override
    {
        const Located at = locate(offset);
        if (!at.part.text)
            return {};
        const int local = offset - at.part.start;
        const qreal x = at.line.cursorToX(local);
        const QRectF box(x, at.line.y(), std::max<qreal>(1, at.line.cursorToX(local + 1) - x), at.line.height());
        const QRectF scene = at.part.text->mapRectToScene(box);
        const QWindow *shownIn = window();
        return QRect(shownIn ? shownIn->mapToGlobal(scene.topLeft().toPoint()) : scene.topLeft().toPoint(),
                     scene.size().toSize());
    }

    // Lines lie closer together than they are high: the last one that starts above the point.
    int offsetAtPoint(const QPoint &point) const override
    {
        int found = -1;
        for (const Part &part : parts()) {
            const QPointF local = part.text->mapFromGlobal(point);
            const QTextLayout &layout = layoutOf(part);
            for (int i = 0; i < layout.lineCount() && layout.lineAt(i).y() <= local.y(); ++i)
                found = part.start + layout.lineAt(i).xToCursor(local.x());
        }
        return found;
    }

    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        const QString language = item()->property("textLanguage").toString();
        return language.isEmpty() ? QString() : QStringLiteral("language:") + language;
    }

    // Lines as drawn, so that a reader reads what one line of the view shows.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        if (type != QAccessible::LineBoundary)
            return AccessibleQuickControl::textAtOffset(offset, type, startOffset, endOffset);
        const Located at = locate(offset);
        *startOffset = at.part.text ? at.part.start + at.line.textStart() : offset;
        *endOffset = at.part.text ? *startOffset + at.line.textLength() : std::min(offset + 1, characterCount());
        return text(*startOffset, *endOffset);
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        if (type != QAccessible::LineBoundary)
            return AccessibleQuickControl::textBeforeOffset(offset, type, startOffset, endOffset);
        textAtOffset(offset, type, startOffset, endOffset);
        if (*startOffset == 0) {
            *endOffset = 0;
            return {};
        }
        return textAtOffset(*startOffset - 1, type, startOffset, endOffset);
    }

    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int *startOffset, int *endOffset) const override
    {
        if (type != QAccessible::LineBoundary)
            return AccessibleQuickControl::textAfterOffset(offset, type, startOffset, endOffset);
        textAtOffset(offset, type, startOffset, endOffset);
        if (*endOffset >= characterCount()) {
            *startOffset = *endOffset = characterCount();
            return {};
        }
        return textAtOffset(*endOffset, type, startOffset, endOffset);
    }

private:
    struct Part
    {
        const QQuickText *text;
        int start;
    };
    struct Located
    {
        Part part;
        QTextLine line;
    };

    QQuickFlickable *view() const { return static_cast<QQuickFlickable *>(item()); }

    static const QTextLayout &layoutOf(const Part &part)
    {
        return QQuickTextPrivate::get(const_cast<QQuickText *>(part.text))->layout;
    }

    QVector<Part> parts() const
    {
        QList<QQuickItem *> children = view()->contentItem()->childItems();
        std::stable_sort(children.begin(), children.end(),
                         [](const QQuickItem *a, const QQuickItem *b) { return a->y() < b->y(); });
        QVector<Part> found;
        int start = 0;
        for (const QQuickItem *child : qAsConst(children)) {
            if (const auto *text = qobject_cast<const QQuickText *>(child)) {
                found.append({text, start});
                start += layoutOf(found.constLast()).text().size() + 1;
            }
        }
        return found;
    }

    QString whole() const
    {
        QStringList texts;
        for (const Part &part : parts())
            texts << layoutOf(part).text();
        return texts.join(QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    }

    // The part and its drawn line that hold `offset`; none for the break between two parts.
    Located locate(int offset) const
    {
        for (const Part &part : parts()) {
            const QTextLayout &layout = layoutOf(part);
            const int local = offset - part.start;
            if (local >= 0 && local <= layout.text().size() && layout.lineCount() > 0) {
                QTextLine line = layout.lineForTextPosition(local);
                return {part, line.isValid() ? line : layout.lineAt(layout.lineCount() - 1)};
            }
        }
        return {{nullptr, 0}, {}};
    }
};

QAccessibleInterface *createAccessibleControl(const QString &, QObject *object)
{
    // Asked first for an item's most derived class, so this answers before Qt Quick's own
    // factory, which answers only at the base item class, whenever either was installed.
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item || !QQuickItemPrivate::get(item)->isAccessible)
        return nullptr;
    // Asked while the item is being made, before its role is known; only an editable text's
    // interface gives out a text.
    if (auto *view = qobject_cast<QQuickFlickable *>(item))
        return new AccessibleScrolledText(view);
    return new AccessibleQuickControl(item);
}

} // namespace

void AccessibleControl::install()
{
    // Installing twice adds nothing.
    QAccessible::installFactory(createAccessibleControl);
}
