// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets of the windows: each window without its decorations, and the
// workspace that holds them inside the frame.
#include "accessibility_p.h"

#include "toolkit/forms/form.h"
#include "toolkit/forms/shape.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace toolkit {

namespace {

// A top-level window is a dialog, which a screen reader reads whole as it opens; one inside the
// frame is a pane, named by the frame around it. The shapes and lines only decorate, and hidden
// controls, empty labels and fragments of sentences said elsewhere tell a listener nothing: they
// are left out.
class FormAccessible : public QAccessibleWidget
{
public:
    explicit FormAccessible(Form *form)
        : QAccessibleWidget(form,
                            form->design().mdiChild ? QAccessible::Client : QAccessible::Dialog)
    {}

    int childCount() const override { return exposed().size(); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = exposed();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return exposed().indexOf(static_cast<QWidget *>(child->object()));
    }

private:
    const Form *form() const { return static_cast<const Form *>(widget()); }

    QList<QWidget *> exposed() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(object);
            if (!w || w->isWindow() || w->isHidden() || qobject_cast<Shape *>(w) ||
                !form()->heard(w))
                continue;
            if (const auto *label = qobject_cast<QLabel *>(w);
                label && label->text().isEmpty() && label->pixmap().isNull())
                continue;
            children.append(w);
        }
        return children;
    }
};

// The workspace only holds the windows inside the frame. Presented as Qt presents it, a layered
// pane, a screen reader names it at every change of window; as a plain client area it goes
// unsaid.
class WorkspaceAccessible : public QAccessibleWidget
{
public:
    explicit WorkspaceAccessible(QMdiArea *area)
        : QAccessibleWidget(area, QAccessible::Client)
    {}

    int childCount() const override { return int(windows().size()); }
    QAccessibleInterface *child(int index) const override
    {
        return QAccessible::queryAccessibleInterface(windows().value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(windows().indexOf(qobject_cast<QMdiSubWindow *>(child->object()))) : -1;
    }

private:
    QList<QMdiSubWindow *> windows() const
    {
        return static_cast<QMdiArea *>(widget())->subWindowList();
    }
};

} // namespace

QAccessibleInterface *formAccessible(QObject *form)
{
    return new FormAccessible(static_cast<Form *>(form));
}

QAccessibleInterface *workspaceAccessible(QObject *area)
{
    return new WorkspaceAccessible(static_cast<QMdiArea *>(area));
}

} // namespace toolkit
