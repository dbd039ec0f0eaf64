// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Binds a window's member and handler to a control where the control's row declares it, so that a
// design name is written once: .member = bindTo<&DrillWindow::txtAnswer>,
// .handler = on<&DrillWindow::txtAnswer_Change>.
#pragma once

#include "design.h"

#include <QObject>

#include <type_traits>

namespace toolkit {

namespace detail {

template<class Pointer>
struct MemberOf;

template<class Window, class Type>
struct MemberOf<Type Window::*>
{
    using Class = Window;
    using Member = Type;
};

[[noreturn]] void wrongKind(const QObject *control, const char *wanted);

template<class T>
T *cast(QObject *control)
{
    auto *typed = qobject_cast<T *>(control);
    if (!typed)
        wrongKind(control, T::staticMetaObject.className());
    return typed;
}

} // namespace detail

// A member pointer, or an element of a member array: bindTo<&DrillWindow::lblNumber, 2>.
template<auto Member, int Index = -1>
inline constexpr MemberBinder bindTo = [](Form &form, QObject *control) {
    using Traits = detail::MemberOf<decltype(Member)>;
    auto &window = static_cast<typename Traits::Class &>(form);
    if constexpr (Index < 0) {
        using Control = std::remove_pointer_t<typename Traits::Member>;
        window.*Member = detail::cast<Control>(control);
    } else {
        using Control = std::remove_pointer_t<std::remove_extent_t<typename Traits::Member>>;
        static_assert(Index < std::extent_v<typename Traits::Member>, "index past the array");
        (window.*Member)[Index] = detail::cast<Control>(control);
    }
};

// A multi-line text box of the window's own class: .make = makeAs<ScoreBox>.
template<class Widget>
inline constexpr WidgetMaker makeAs =
    [](QWidget *window) -> QWidget * { return new Widget(window); };

template<auto Method>
inline constexpr Handler on = [](Form &form) {
    using Traits = detail::MemberOf<decltype(Method)>;
    (static_cast<typename Traits::Class &>(form).*Method)();
};

} // namespace toolkit
