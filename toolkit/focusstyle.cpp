// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusstyle.h"

#include <QPainter>
#include <QStyleOption>

namespace toolkit {

namespace {

// One pixel of the design wide, so two device pixels on a screen of twice the density.
void drawDotted(QPainter *painter, const QRect &rect, const QColor &colour)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(colour, 1, Qt::DotLine));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace

void FocusStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                             const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (element != CE_PushButton || !button || !(option->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The button as it looks without the focus, whose highlighted outline stays the default
    // button's own, and the dotted rectangle inside it.
    QStyleOptionButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    drawDotted(painter,
               subElementRect(SE_PushButtonFocusRect, option, widget).adjusted(1, 1, -1, -1),
               option->palette.color(QPalette::ButtonText));
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element == PE_PanelLineEdit && frame && frame->lineWidth == 0 &&
        (option->state & State_HasFocus))
        drawDotted(painter, option->rect.adjusted(2, 2, -2, -2),
                   option->palette.color(QPalette::Text));
}

} // namespace toolkit
