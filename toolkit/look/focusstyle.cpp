// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "focusstyle.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

namespace toolkit {

namespace {

// Two pixels of the design wide and solid, in the colour of the control's text: it stands out
// from the face it is drawn on as the text does, by far more than 3:1 in light and dark palettes,
// and the face keeps it apart from the coloured rims around the buttons.
void drawMark(QPainter *painter, const QRect &rect, const QColor &colour)
{
    constexpr int Width = 2;
    painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), Width), colour);
    painter->fillRect(QRect(rect.left(), rect.bottom() - Width + 1, rect.width(), Width), colour);
    painter->fillRect(QRect(rect.left(), rect.top(), Width, rect.height()), colour);
    painter->fillRect(QRect(rect.right() - Width + 1, rect.top(), Width, rect.height()), colour);
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
    // button's own, and the mark inside it.
    QStyleOptionButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(element, &unfocused, painter, widget);
    drawMark(painter, subElementRect(SE_PushButtonFocusRect, option, widget),
             option->palette.color(QPalette::ButtonText));
}

void FocusStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (element == PE_PanelLineEdit && frame && frame->lineWidth == 0 &&
        (option->state & State_HasFocus))
        drawMark(painter, option->rect.adjusted(1, 1, -1, -1),
                 option->palette.color(QPalette::Text));
}

QSize FocusStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                   const QWidget *widget) const
{
    QSize hint = QProxyStyle::sizeFromContents(type, option, size, widget);
    // A button placed by a layout leaves its caption a full margin on each side, clear of the mark.
    if (type == CT_PushButton)
        hint.setWidth(std::max(hint.width(),
                               size.width() + 2 * pixelMetric(PM_ButtonMargin, option, widget)));
    return hint;
}

} // namespace toolkit
