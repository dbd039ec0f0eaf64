// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Menu items and menu bar entries named for a screen reader as the program says them.
#include "accessibility.h"
#include "accessibility_p.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

namespace toolkit {

namespace {

// A menu item's own accessible name, where it differs from its caption.
constexpr char AccessibleNameProperty[] = "accessibleName";

// A menu item or menu bar entry as Qt presents it, but named as the program says it, where the
// caption on screen is the design's own spelling. Qt 6.4 reads a menu item by its caption alone.
class MenuItemAccessible : public QAccessibleInterface,
                           public QAccessibleActionInterface
{
public:
    explicit MenuItemAccessible(QAction *item)
        : m_item(item)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    bool isValid() const override { return m_item && owner(); }
    QObject *object() const override { return m_item; }
    QWindow *window() const override
    {
        QWidget *menu = owner();
        return menu ? menu->window()->windowHandle() : nullptr;
    }

    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(owner());
    }
    int childCount() const override { return m_item->menu() ? 1 : 0; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && m_item->menu() ? QAccessible::queryAccessibleInterface(m_item->menu())
                                            : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && m_item->menu() && child->object() == m_item->menu() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return m_item->property(AccessibleNameProperty).toString();
        if (t == QAccessible::Accelerator)
            return m_item->shortcut().toString(QKeySequence::NativeText);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QAccessible::Role role() const override
    {
        return m_item->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        QWidget *menu = owner();
        if (!menu || !menu->isVisible() || !m_item->isVisible())
            state.invisible = true;
        if (!m_item->isEnabled())
            state.disabled = true;
        state.focusable = true;
        if (activeItem(menu) == m_item) {
            state.focused = true;
            state.selected = true;
            state.hotTracked = true;
        }
        if (m_item->menu())
            state.hasPopup = true;
        if (m_item->isCheckable()) {
            state.checkable = true;
            state.checked = m_item->isChecked();
        }
        return state;
    }

    QRect rect() const override
    {
        QWidget *menu = owner();
        QRect place;
        if (auto *bar = qobject_cast<QMenuBar *>(menu))
            place = bar->actionGeometry(m_item);
        else if (auto *list = qobject_cast<QMenu *>(menu))
            place = list->actionGeometry(m_item);
        return menu && place.isValid() ? QRect(menu->mapToGlobal(place.topLeft()), place.size())
                                       : QRect();
    }

    // QAccessibleActionInterface
    QStringList actionNames() const override
    {
        if (!m_item->isEnabled())
            return {};
        return {m_item->menu() ? showMenuAction() : pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (!m_item->isEnabled())
            return;
        if (name == pressAction())
            m_item->trigger();
        else if (auto *bar = qobject_cast<QMenuBar *>(owner()); bar && name == showMenuAction())
            bar->setActiveAction(m_item);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    // The bar or list that shows the item: an item shows in one at a time.
    QWidget *owner() const
    {
        if (!m_item)
            return nullptr;
        for (QObject *object : m_item->associatedObjects()) {
            if (qobject_cast<QMenu *>(object) || qobject_cast<QMenuBar *>(object))
                return static_cast<QWidget *>(object);
        }
        return nullptr;
    }
    static QAction *activeItem(QWidget *menu)
    {
        if (auto *bar = qobject_cast<QMenuBar *>(menu))
            return bar->activeAction();
        if (auto *list = qobject_cast<QMenu *>(menu))
            return list->activeAction();
        return nullptr;
    }

    QPointer<QAction> m_item;
};

} // namespace

QAccessibleInterface *menuItemAccessible(QObject *item)
{
    if (!item->property(AccessibleNameProperty).isValid())
        return nullptr;
    return new MenuItemAccessible(static_cast<QAction *>(item));
}

void nameMenuItem(QAction *item, const QString &name)
{
    item->setProperty(AccessibleNameProperty, name);
}

} // namespace toolkit
