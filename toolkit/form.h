// The base of every window: controls built from a design table, named after the design, with a
// window-wide default button that Enter presses.
#pragma once

#include "design.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <span>
#include <vector>

class QAction;
class QLabel;
class QMdiSubWindow;
class QMenu;

namespace toolkit {

// Tells assistive tools that the control has news for the user, as an alert that a screen reader
// may speak wherever the focus is.
void announce(QWidget *control);
// Hears every announcement, whether or not an assistive tool listens: Qt hands accessibility
// events only to a running platform bridge, so tests listen here.
void setAnnouncementListener(std::function<void(QWidget *)> listener);

class Form : public QWidget
{
    Q_OBJECT

public:
    explicit Form(const WindowDesign &design, QWidget *parent = nullptr);

    const WindowDesign &design() const { return m_design; }

    // The design's client area: the size the window takes when it is not maximized.
    QSize sizeHint() const override;

    // Runs once when the window is loaded, before it is first shown.
    virtual void Form_Load() {}

    // Runs when the window is about to close, by any means; setting cancel keeps it open.
    virtual void Form_Unload(bool &cancel) { Q_UNUSED(cancel); }

    // Closes the window; its controls are destroyed with it.
    void unload();

    // The window's own menu bar entries, shown in the frame's menu bar while it is active.
    const QList<QMenu *> &menus() const { return m_menus; }

    // At most one default button per window: making one the default takes the role from the
    // others, and Enter anywhere in the window presses it while it is enabled.
    void makeDefault(QPushButton *button);
    void takeDefault(QPushButton *button);
    QPushButton *defaultButton() const { return m_default; }

    QObject *control(const QString &name) const { return m_controls.value(name); }
    template<class T>
    T *control(const QString &name) const
    {
        return qobject_cast<T *>(control(name));
    }
    QAction *menuItem(const QString &name) const;

    // Points a window member at the control of that name; arrays bind "name(0)", "name(1)", ...
    template<class T>
    void bind(T *&member, const char *name) const
    {
        member = control<T>(QString::fromLatin1(name));
        Q_ASSERT_X(member, "Form::bind", name);
    }
    template<class T, std::size_t N>
    void bind(T *(&array)[N], const char *name) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            array[i] = control<T>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
            Q_ASSERT_X(array[i], "Form::bind", name);
        }
    }

    // Puts the focus on the first control of the tab order that can take it.
    void focusFirst();

    // Takes up the frame that shows the window inside the main window.
    void enterFrame(QMdiSubWindow *frame);

protected:
    void build(std::span<const ControlRow> rows);
    // Names and descriptions for screen readers, and which controls announce their appearing.
    void describe(std::span<const AccessibleRow> rows);
    void buildMenus(std::span<const MenuRow> rows);
    void setTabOrder(std::span<const char *const> names);

    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // What a label's or shape's colours come from, kept to follow the desktop's palette.
    struct Colours
    {
        QString name;
        Kind kind;
        Colour back;
        Colour line;
        Colour backdrop; // the fill of the panel a label lies on
        int lineWidth;
        bool rounded;
    };

    // A label lying under a text box, as a correct-answer label under its answer box.
    struct Covered
    {
        QWidget *box;
        QLabel *label;
    };

    bool defaultUsable() const;
    bool pressDefault(const QKeyEvent *event);
    void cover(const QWidget *box);
    QObject *create(const ControlRow &row, const QRect &geometry);
    void applyColours();

    const WindowDesign &m_design;
    QHash<QString, QObject *> m_controls;
    QList<QMenu *> m_menus;
    QList<QWidget *> m_tabOrder;
    QList<QObject *> m_announced;
    std::vector<Colours> m_colours;
    std::vector<Covered> m_covered;
    QPointer<QPushButton> m_default;
    QPointer<QWidget> m_focusAcrossState; // where the focus was as the frame changed state
};

} // namespace toolkit
