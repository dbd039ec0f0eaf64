// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowinstance.h"

#include "form.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QTimer>

#include <memory>
#include <vector>

#include <algorithm>

namespace toolkit {

namespace {

QPointer<QMdiArea> g_area;

std::vector<const WindowInstance *> &instances()
{
    static std::vector<const WindowInstance *> all;
    return all;
}

// Starts the preparation at the first paint of the widget it watches, then takes one window per
// idle moment.
class Preparation : public QObject
{
public:
    Preparation(QWidget *shown, std::function<void(const WindowInstance &)> prepare)
        : QObject(shown)
        , m_next(new QTimer(this))
        , m_prepare(std::move(prepare))
    {
        m_next->setObjectName(QStringLiteral("tmrPreload"));
        connect(m_next, &QTimer::timeout, this, &Preparation::prepareNext);
        shown->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            m_next->start(0);
        }
        return false;
    }

private:
    void prepareNext()
    {
        if (m_done < instances().size())
            m_prepare(*instances()[m_done++]);
        if (m_done == instances().size())
            m_next->stop();
    }

    QTimer *m_next;
    std::function<void(const WindowInstance &)> m_prepare;
    std::size_t m_done = 0;
};

} // namespace

WindowInstance::WindowInstance(Factory factory)
    : m_factory(std::move(factory))
{
    instances().push_back(this);
}

WindowInstance::~WindowInstance()
{
    std::erase(instances(), this);
}

void WindowInstance::prepareAllAfterFirstPaint(QWidget *shown)
{
    new Preparation(shown, [](const WindowInstance &instance) { instance.prepare(); });
}

void WindowInstance::prepare() const
{
    // Pointless once the window has been opened: it would only add to the memory used.
    if (m_form)
        return;
    const std::unique_ptr<Form> unseen(m_factory());
    QPixmap canvas(unseen->size());
    unseen->render(&canvas);
}

void WindowInstance::setMdiArea(QMdiArea *area)
{
    g_area = area;
}

QMdiArea *WindowInstance::mdiArea()
{
    return g_area;
}

Form *WindowInstance::show(const std::function<void(Form &)> &fill)
{
    if (m_form) {
        if (fill)
            fill(*m_form);
        activate();
        return m_form;
    }
    Form *form = m_factory();
    m_form = form;
    form->Form_Load();
    if (fill)
        fill(*form);
    if (form->design().mdiChild && g_area) {
        // Restoring returns to the size the frame had when added: the design's client area with the
        // title bar and borders around it, even where that is larger than the frame. Sized before
        // it is added, as a sibling that is maximized maximizes it at once.
        auto *frame = new QMdiSubWindow(g_area->viewport());
        frame->setWidget(form);
        frame->resize(frame->sizeHint());
        g_area->addSubWindow(frame);
        // Placed in a frame smaller than itself, it keeps its title bar in sight, not its right
        // edge.
        frame->move(std::max(frame->x(), 0), std::max(frame->y(), 0));
        // The frame's title bar and the maximized window's corner show the frame's own icon.
        frame->setWindowIcon(form->windowIcon());
        frame->setAttribute(Qt::WA_DeleteOnClose);
        form->enterFrame(frame);
        // Set once the form is in its frame: going into it takes the focus from the form.
        form->focusFirst();
        frame->showMaximized();
        g_area->setActiveSubWindow(frame);
    } else {
        form->focusFirst();
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
    }
    activate();
    return form;
}

void WindowInstance::unload()
{
    if (m_form)
        m_form->unload();
}

void WindowInstance::activate()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(m_form->parentWidget())) {
        if (g_area)
            g_area->setActiveSubWindow(frame);
        return;
    }
    m_form->raise();
    m_form->activateWindow();
}

} // namespace toolkit
