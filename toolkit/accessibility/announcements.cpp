// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Announcements: an unseen notice a screen reader speaks as it appears, wherever the focus is.
#include "accessibility.h"
#include "accessibility_p.h"

#include "toolkit/speech/readaloud.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace toolkit {

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

} // namespace

QAccessibleInterface *noticeAccessible(QObject *notice)
{
    return new NoticeAccessible(static_cast<Notice *>(notice));
}

void announce(QWidget *window, const QString &text)
{
    speech::sayAlso(text);
    auto *notice = window->findChild<Notice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new Notice(window);
    notice->say(text);
}

} // namespace toolkit

#include "announcements.moc"
