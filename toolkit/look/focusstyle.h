// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the keyboard is, plain to see in any palette and at any scale: a solid rectangle two
// pixels wide inside the focused button, and inside a frameless text box, whose blinking caret
// would be its only sign. Fusion's own sign, a thin frame in the
// highlight colour, is lost on the blue rims around the drills' buttons and is the one a default
// button wears too.
#pragma once

#include <QProxyStyle>

namespace toolkit {

class FocusStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
};

} // namespace toolkit
