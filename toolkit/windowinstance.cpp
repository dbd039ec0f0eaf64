#include "windowinstance.h"

#include "form.h"

#include <QMdiArea>
#include <QMdiSubWindow>

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
    form->focusFirst();
    if (form->design().mdiChild && g_area) {
        QMdiSubWindow *frame = g_area->addSubWindow(form);
        // The frame's title bar and the maximized window's corner show the frame's own icon.
        frame->setWindowIcon(form->windowIcon());
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->installEventFilter(form);
        frame->showMaximized();
        g_area->setActiveSubWindow(frame);
    } else {
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
