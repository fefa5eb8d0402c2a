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

QAccessibleInterface *createAccessibleControl(const QString &className, QObject *object)
{
    // Asked for each class from the most derived one up: answering at the base item class covers
    // every scene item, as Qt Quick's own factory does.
    if (className != QLatin1String("QQuickItem"))
        return nullptr;
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item || !QQuickItemPrivate::get(item)->isAccessible)
        return nullptr;
    return new AccessibleQuickControl(item);
}

} // namespace

void AccessibleControl::install()
{
    // Factories installed later are asked first; installing twice adds nothing.
    QAccessible::installFactory(createAccessibleControl);
}
