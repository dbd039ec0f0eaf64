// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// One instance of every window per run: created on first use, loaded when opened, unloaded when
// closed, and loaded afresh when opened again.
#pragma once

#include <QPointer>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace toolkit {

class Form;

class WindowInstance
{
public:
    using Factory = std::function<Form *()>;

    // Every instance of the program's windows is made once, before main() runs.
    explicit WindowInstance(Factory factory);
    ~WindowInstance();
    WindowInstance(const WindowInstance &) = delete;
    WindowInstance &operator=(const WindowInstance &) = delete;

    // The frame that child windows open in; set by the main window for its lifetime.
    static void setMdiArea(QMdiArea *area);
    static QMdiArea *mdiArea();

    // Once the widget has painted, each window not yet loaded is built and painted unseen, one per
    // idle moment: its first opening then finds its fonts, pictures and drawn shapes ready, and
    // neither a click nor quitting waits for more than one of them.
    static void prepareAllAfterFirstPaint(QWidget *shown);

    // Loads the window (running its load handler) and shows it, or only activates it. What
    // fills it goes before it shows, so that a screen reader meets it whole, once.
    Form *show(const std::function<void(Form &)> &fill = {});
    void unload();

    bool isLoaded() const { return m_form; }
    Form *form() const { return m_form; }

private:
    void activate();
    void prepare() const;

    Factory m_factory;
    QPointer<Form> m_form;
};

} // namespace toolkit
