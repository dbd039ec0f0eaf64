// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "textunits.h"
#include "toolkit/forms/form.h"
#include "toolkit/forms/shape.h"
#include "toolkit/speech/readaloud.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <QValidator>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace toolkit {

namespace {

// A menu item's own accessible name, where it differs from its caption.
constexpr char AccessibleNameProperty[] = "accessibleName";

// Qt tells a screen reader of the focus as it moves, but not as a menu closes: the frame becomes
// the active window again after a window opened from the menu took the focus, and a screen reader
// then rests on the frame, the arrow keys in the box silent. The frame active again, it is told
// where the focus is.
void followTheFocusBackFromMenus()
{
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qApp, [](QWindow *now) {
        static bool inMenu = false;
        const bool fromMenu = inMenu;
        inMenu = now && now->type() == Qt::Popup;
        if (!fromMenu || !now || inMenu)
            return;
        QTimer::singleShot(0, qApp, [] {
            // A box opened meanwhile is read as it appears; the menu bar speaks for itself.
            QWidget *focus = QApplication::focusWidget();
            if (!focus || qobject_cast<QMenuBar *>(focus) || QApplication::activeModalWidget() ||
                QApplication::activePopupWidget())
                return;
            QAccessibleEvent event(focus, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        });
    });
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

using Finder = TextSpan (*)(QStringView, int, QAccessible::TextBoundaryType);

// The unit a screen reader asks for, from the program's own text units.
QString unitOf(const QString &all, int offset, int caret, QAccessible::TextBoundaryType unit,
               Finder find, int *startOffset, int *endOffset)
{
    // -1 asks about the end of the text, -2 about the caret.
    if (offset == -1)
        offset = int(all.size());
    else if (offset == -2)
        offset = caret;
    if (offset < 0 || offset > all.size()) {
        *startOffset = *endOffset = -1;
        return QString();
    }
    const TextSpan span = find(all, offset, unit);
    *startOffset = span.start;
    *endOffset = span.end;
    return all.mid(span.start, span.end - span.start);
}

// What the program's text boxes share: the interfaces they answer, one run of text attributes
// (Qt gives it as empty, so the last character went unread), and the program's own text units
// for the words, sentences and lines a screen reader asks for as the caret moves.
class OwnTextAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    using QAccessibleWidget::text;
    QString text(int startOffset, int endOffset) const override
    {
        return heard().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(heard().size()); }

    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }

    // The box has one look throughout, so its one run of attributes is the whole text.
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType unit, int *startOffset,
                             int *endOffset) const override
    {
        return unitOf(heard(), offset, cursorPosition(), unit, &unitBefore, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType unit, int *startOffset,
                         int *endOffset) const override
    {
        return unitOf(heard(), offset, cursorPosition(), unit, &unitAt, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType unit, int *startOffset,
                            int *endOffset) const override
    {
        return unitOf(heard(), offset, cursorPosition(), unit, &unitAfter, startOffset, endOffset);
    }

protected:
    // What a listener may hear: the text, or its stand-ins in a box that hides it.
    virtual QString heard() const = 0;
};

// A text box as Qt's own line edit presents it, but for the words, sentences and lines a screen
// reader asks for as the caret moves, which Qt 6.4 searches for without end in a text of digits.
class TextBoxAccessible : public OwnTextAccessible
{
public:
    explicit TextBoxAccessible(QLineEdit *box)
        : OwnTextAccessible(box, QAccessible::EditableText)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.passwordEdit = box()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return heard();
        QString text = QAccessibleWidget::text(t);
        if (text.isEmpty() && t == QAccessible::Description)
            text = box()->placeholderText();
        return text;
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::setText(t, text);
        QString typed = text;
        int position = 0;
        if (!box()->validator() ||
            box()->validator()->validate(typed, position) == QValidator::Acceptable)
            box()->setText(typed);
    }

    // QAccessibleTextInterface
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            box()->deselect();
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }

    QRect characterRect(int offset) const override
    {
        const QString all = heard();
        if (offset < 0 || offset >= all.size())
            return {};
        // Measured from the caret, the one place the box tells.
        const QFontMetrics metrics(box()->font());
        const int caret = box()->cursorPosition();
        const QRect caretRect = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int x = caretRect.center().x() +
                      (offset < caret ? -metrics.horizontalAdvance(all.mid(offset, caret - offset))
                                      : metrics.horizontalAdvance(all.mid(caret, offset - caret)));
        const int width = std::max(metrics.horizontalAdvance(all.mid(offset, 1)), 1);
        return QRect(box()->mapToGlobal(QPoint(x, caretRect.top())),
                     QSize(width, caretRect.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = box()->mapFromGlobal(point);
        return box()->rect().contains(inside) ? box()->cursorPositionAt(inside) : -1;
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

protected:
    QString heard() const override { return box()->displayText(); }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
};

// The score viewer's text as Qt presents a plain text box, but for its characters, words and
// lines, which Qt 6.4 cuts oddly (Ctrl+Right over "Mia On the" read "O", then nothing): the
// program's own text units answer, as they do for the answer boxes.
class TextAreaAccessible : public OwnTextAccessible
{
public:
    explicit TextAreaAccessible(QPlainTextEdit *area)
        : OwnTextAccessible(area, QAccessible::EditableText)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.multiLine = true;
        state.editable = !area()->isReadOnly();
        state.readOnly = area()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // QAccessibleTextInterface
    int cursorPosition() const override { return area()->textCursor().position(); }
    void setCursorPosition(int position) override { area()->setTextCursor(at(position)); }

    int selectionCount() const override { return area()->textCursor().hasSelection() ? 1 : 0; }
    void selection(int index, int *startOffset, int *endOffset) const override
    {
        const QTextCursor cursor = area()->textCursor();
        const bool some = index == 0 && cursor.hasSelection();
        *startOffset = some ? cursor.selectionStart() : 0;
        *endOffset = some ? cursor.selectionEnd() : 0;
    }
    void removeSelection(int index) override
    {
        if (index == 0)
            area()->setTextCursor(at(cursorPosition()));
    }
    void setSelection(int index, int startOffset, int endOffset) override
    {
        if (index != 0)
            return;
        QTextCursor cursor = at(startOffset);
        cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
        area()->setTextCursor(cursor);
    }

    QRect characterRect(int offset) const override
    {
        if (offset < 0 || offset >= characterCount())
            return {};
        QTextCursor cursor = at(offset);
        const QRect before = area()->cursorRect(cursor);
        cursor.movePosition(QTextCursor::NextCharacter);
        const QRect after = area()->cursorRect(cursor);
        const int width = after.top() == before.top() ? std::max(after.x() - before.x(), 1) : 1;
        return QRect(area()->viewport()->mapToGlobal(before.topLeft()),
                     QSize(width, before.height()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        const QPoint inside = area()->viewport()->mapFromGlobal(point);
        return area()->viewport()->rect().contains(inside)
                   ? area()->cursorForPosition(inside).position()
                   : -1;
    }
    void scrollToSubstring(int startIndex, int) override { setCursorPosition(startIndex); }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        QTextCursor cursor = at(startOffset);
        cursor.setPosition(std::clamp(endOffset, 0, characterCount()), QTextCursor::KeepAnchor);
        cursor.insertText(text);
    }

protected:
    QString heard() const override { return area()->toPlainText(); }

private:
    QPlainTextEdit *area() const { return static_cast<QPlainTextEdit *>(widget()); }
    QTextCursor at(int offset) const
    {
        QTextCursor cursor(area()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        return cursor;
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

QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("QAction") && object->property(AccessibleNameProperty).isValid())
        return new MenuItemAccessible(static_cast<QAction *>(object));
    if (className == QLatin1String("QMdiArea"))
        return new WorkspaceAccessible(static_cast<QMdiArea *>(object));
    if (className == QLatin1String("toolkit::Form"))
        return new FormAccessible(static_cast<Form *>(object));
    if (className == QLatin1String("toolkit::Notice"))
        return new NoticeAccessible(static_cast<Notice *>(object));
    if (className == QLatin1String("QLineEdit"))
        return new TextBoxAccessible(static_cast<QLineEdit *>(object));
    if (className == QLatin1String("QPlainTextEdit"))
        return new TextAreaAccessible(static_cast<QPlainTextEdit *>(object));
    return nullptr;
}

// Before any window exists, so that none is exposed otherwise.
[[maybe_unused]] const bool g_installed = (QAccessible::installFactory(&interfaceFor), true);

} // namespace

void putAccessibilityFirst()
{
    // The application puts Qt's own factory last, so asked first, as it starts: this one goes
    // after it again, once, so that the text boxes are the program's.
    static const bool moved = [] {
        QAccessible::removeFactory(&interfaceFor);
        QAccessible::installFactory(&interfaceFor);
        followTheFocusBackFromMenus();
        return true;
    }();
    Q_UNUSED(moved);
}

void describe(QWidget *control, const ControlRow &row, const char *context)
{
    if (row.accessibleName)
        control->setAccessibleName(QCoreApplication::translate(context, row.accessibleName));
    if (row.description)
        control->setAccessibleDescription(QCoreApplication::translate(context, row.description));
}

void nameMenuItem(QAction *item, const QString &name)
{
    item->setProperty(AccessibleNameProperty, name);
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

#include "accessibility.moc"
