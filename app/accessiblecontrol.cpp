#include "app/accessiblecontrol.h"

#include <QtQuick/private/qaccessiblequickitem_p.h>
#include <QtQuick/private/qquickitem_p.h>

namespace {

class AccessibleQuickControl final : public QAccessibleQuickItem
{
public:
    explicit AccessibleQuickControl(QQuickItem *item)
        : QAccessibleQuickItem(item)
    {
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
        return state;
    }
};

QAccessibleInterface *createAccessibleControl(const QString &, QObject *object)
{
    // Asked first for an item's most derived class, so this answers before Qt Quick's own
    // factory, which answers only at the base item class, whenever either was installed.
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item || !QQuickItemPrivate::get(item)->isAccessible)
        return nullptr;
    return new AccessibleQuickControl(item);
}

} // namespace

void AccessibleControl::install()
{
    // Installing twice adds nothing.
    QAccessible::installFactory(createAccessibleControl);
}
