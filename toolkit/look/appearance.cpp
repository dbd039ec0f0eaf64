// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance.h"

#include "toolkit/forms/picture.h"

#include <QApplication>
#include <QFontInfo>
#include <QHash>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace toolkit {

void installFontSubstitutes()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont windowFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

void keepProportionalFont()
{
    QFont font = QApplication::font();
    if (!QFontInfo(font).fixedPitch())
        return;
    font.setFamilies({windowFont().family()});
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

QFont toQFont(const Font &font, const QFont &base)
{
    if (!font.face)
        return base;
    QFont f(QString::fromLatin1(font.face));
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

QPalette::ColorRole systemRole(int index)
{
    switch (index) {
    case 8: // window text
        return QPalette::WindowText;
    case 9: // active title-bar text: white on the classic scheme, the colour of a text field
        return QPalette::Base;
    case 12: // application workspace
        return QPalette::Dark;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 15: // dialog face
    default:
        return QPalette::Window;
    }
}

QColor resolve(const Colour &colour, const QPalette &palette)
{
    switch (colour.source) {
    case Colour::Rgb:
        return QColor::fromRgb(colour.value);
    case Colour::System:
        return palette.color(systemRole(int(colour.value)));
    case Colour::None:
        break;
    }
    return {};
}

namespace {

double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

QColor legibleText(const QColor &designed, const QColor &backdrop, const QPalette &palette)
{
    if (contrastRatio(designed, backdrop) >= LegibleContrast)
        return designed;
    // The palette's colours for text on its own faces; those of a selection are meant for the
    // highlight behind it, and would colour one tile's digits blue and the next one's black.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const QColor candidate = palette.color(role);
        if (contrastRatio(candidate, backdrop) >= LegibleContrast)
            return candidate;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, backdrop) >= contrastRatio(white, backdrop) ? black : white;
}

QIcon designIcon(const char *name)
{
    // Every opening of a window asks for its icon again; it gets the one made the first time.
    static QHash<QByteArray, QIcon> icons;
    QIcon &icon = icons[QByteArray(name)];
    if (icon.isNull())
        icon = pictureIcon(QLatin1String(name));
    return icon;
}

void setBackground(QWidget *widget, const Colour &colour)
{
    if (!colour.isSet())
        return;
    widget->setAutoFillBackground(true);
    if (colour.source == Colour::System) {
        widget->setBackgroundRole(systemRole(int(colour.value)));
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, resolve(colour, palette));
    widget->setPalette(palette);
    widget->setBackgroundRole(QPalette::Window);
}

} // namespace toolkit
