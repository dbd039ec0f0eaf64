// One instance of every window per run: created on first use, loaded when opened, unloaded when
// closed, and loaded afresh when opened again.
#pragma once

#include <QPointer>

#include <functional>

class QMdiArea;
class QMdiSubWindow;

namespace toolkit {

class Form;

class WindowInstance
{
public:
    using Factory = std::function<Form *()>;

    explicit WindowInstance(Factory factory);

    // The frame that child windows open in; set by the main window for its lifetime.
    static void setMdiArea(QMdiArea *area);
    static QMdiArea *mdiArea();

    // Loads the window (running its load handler) and shows it, or only activates it.
    Form *show();
    void unload();

    bool isLoaded() const { return m_form; }
    Form *form() const { return m_form; }

private:
    void activate();

    Factory m_factory;
    QPointer<Form> m_form;
};

} // namespace toolkit
