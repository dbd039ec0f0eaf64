// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "form.h"
#include "shape.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QWidget>

namespace toolkit {

namespace {

std::function<void(const QString &)> &announcementListener()
{
    static std::function<void(const QString &)> listener;
    return listener;
}

} // namespace

// An unseen control whose appearance a screen reader speaks: its name is the news.
class Notice : public QWidget
{
    Q_OBJECT

public:
    explicit Notice(QWidget *window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("notice"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }

    const QString &text() const { return m_text; }

    void say(const QString &text)
    {
        m_text = text;
        // It appears, and is gone again at once: shown with its window after being away, it would
        // be news once more.
        show();
        hide();
    }

private:
    QString m_text;
};

namespace {

class NoticeAccessible : public QAccessibleWidget
{
public:
    explicit NoticeAccessible(Notice *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Notice *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

// A top-level window is a dialog, which a screen reader reads whole as it opens; one inside the
// frame is a pane, named by the frame around it. The shapes and lines only decorate: they are left
// out.
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
    QList<QWidget *> exposed() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *w = qobject_cast<QWidget *>(object);
            if (w && !w->isWindow() && !qobject_cast<Shape *>(w))
                children.append(w);
        }
        return children;
    }
};

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("toolkit::Form"))
        return new FormAccessible(static_cast<Form *>(object));
    if (className == QLatin1String("toolkit::Notice"))
        return new NoticeAccessible(static_cast<Notice *>(object));
    return nullptr;
}

// Before any window exists, so that none is exposed otherwise.
[[maybe_unused]] const bool g_installed = (QAccessible::installFactory(&interfaceFor), true);

} // namespace

void describe(QWidget *control, const ControlRow &row, const char *context)
{
    if (row.accessibleName)
        control->setAccessibleName(QCoreApplication::translate(context, row.accessibleName));
    if (row.description)
        control->setAccessibleDescription(QCoreApplication::translate(context, row.description));
}

void announce(QWidget *window, const QString &text)
{
    if (const auto &listener = announcementListener())
        listener(text);
    auto *notice = window->findChild<Notice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new Notice(window);
    notice->say(text);
}

void setAnnouncementListener(std::function<void(const QString &)> listener)
{
    announcementListener() = std::move(listener);
}

} // namespace toolkit

#include "accessibility.moc"
