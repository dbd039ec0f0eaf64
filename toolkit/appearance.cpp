#include "appearance.h"

#include <QWidget>

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

QIcon designIcon(const char *name)
{
    QIcon icon;
    for (const int size : {32, 16})
        icon.addFile(QStringLiteral(":/%1-%2.xpm").arg(QLatin1String(name)).arg(size),
                     QSize(size, size));
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
