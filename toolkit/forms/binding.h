// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Binds a window's member and handler to a control where the control's row declares it:
// .member = bindTo<&DrillWindow::two, &ExerciseControls::answerBox>,
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
[[noreturn]] void unbound(const QObject *window, std::string_view member);

template<class T>
T *cast(QObject *control)
{
    auto *typed = qobject_cast<T *>(control);
    if (!typed)
        wrongKind(control, T::staticMetaObject.className());
    return typed;
}

// A window member's own name, as the compiler spells the member pointer ("&ns::Window::cmdOK" in
// GCC's and Clang's function signatures): what a row's name is checked against.
template<auto Member>
constexpr std::string_view memberName()
{
    const std::string_view signature = __PRETTY_FUNCTION__;
    const auto from = signature.find("Member = &");
    const auto to = signature.find_first_of(";]", from);
    const std::string_view path = signature.substr(from, to - from);
    return path.substr(path.rfind(':') + 1);
}

// Follows a path of members and array elements from an object to the pointer a control goes in.
template<class T>
constexpr T &follow(T &object)
{
    return object;
}

template<auto Step, auto... Rest, class T>
constexpr auto &follow(T &object)
{
    if constexpr (std::is_integral_v<decltype(Step)>) {
        if constexpr (std::is_array_v<T>)
            static_assert(Step < std::extent_v<T>, "index past the array");
        return follow<Rest...>(object[Step]);
    } else {
        return follow<Rest...>(object.*Step);
    }
}

} // namespace detail

// A window member, an element of a member array, or a field down a path from a member, as a
// layout builder binds into a struct: bindTo<&DrillWindow::imgFace, 2>,
// bindTo<&DrillWindow::two, &ExerciseControls::answerBox>. A member that is no more than a control
// is named as its control, and the row's name is checked against it.
template<auto Member, auto... Path>
inline constexpr MemberBinder bindTo = {
    .bind =
        [](Form &form, QObject *control) {
            using Window = typename detail::MemberOf<decltype(Member)>::Class;
            auto &slot = detail::follow<Path...>(static_cast<Window &>(form).*Member);
            slot = detail::cast<std::remove_pointer_t<std::remove_reference_t<decltype(slot)>>>(
                control);
        },
    .member =
        [] {
            if constexpr (sizeof...(Path) == 0)
                return detail::memberName<Member>();
            else if constexpr (sizeof...(Path) == 1 && (std::is_integral_v<decltype(Path)> && ...))
                return detail::memberName<Member>();
            else
                return std::string_view();
        }(),
    .index =
        [] {
            if constexpr (sizeof...(Path) == 1 && (std::is_integral_v<decltype(Path)> && ...))
                return int((Path, ...));
            else
                return -1;
        }(),
};

// Stops the program, naming the window and the member, where no row bound one of the members:
// requireBound<&AboutWindow::lblTitle, &AboutWindow::cmdOK>(*this) once the window is built.
template<auto... Members, class Window>
void requireBound(const Window &window)
{
    ((window.*Members ? void() : detail::unbound(&window, detail::memberName<Members>())), ...);
}

// A control of the window's own class: .make = makeAs<ScoreBox>.
template<class Widget>
inline constexpr WidgetMaker makeAs =
    [](QWidget *window) -> QWidget * { return new Widget(window); };

template<auto Method>
inline constexpr Handler on = [](Form &form) {
    using Traits = detail::MemberOf<decltype(Method)>;
    (static_cast<typename Traits::Class &>(form).*Method)();
};

} // namespace toolkit
