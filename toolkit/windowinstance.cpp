#include "windowinstance.h"

#include "form.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace toolkit {

namespace {
QPointer<QMdiArea> g_area;
}

WindowInstance::WindowInstance(Factory factory)
    : m_factory(std::move(factory))
{}

void WindowInstance::setMdiArea(QMdiArea *area)
{
    g_area = area;
}

QMdiArea *WindowInstance::mdiArea()
{
    return g_area;
}

Form *WindowInstance::show()
{
    if (m_form) {
        activate();
        return m_form;
    }
    Form *form = m_factory();
    m_form = form;
    form->Form_Load();
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
