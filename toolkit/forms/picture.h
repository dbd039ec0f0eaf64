// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures at any size and screen scale: the pixel art where a picture shows at its
// own size on a screen of ratio 1, otherwise the same drawing rendered from its vector twin.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace toolkit {

// A picture resource, such as ":/face2.xpm" or ":/target-32.xpm", drawn to fill a size given in
// pixels of the design, for a screen of the device pixel ratio: size times ratio device pixels.
// Its vector is the resource's name without the pixel size and ending ".svg" (":/face2.svg",
// ":/target.svg"); a picture without one is scaled smoothly from its pixels.
QPixmap drawPicture(const QString &resource, const QSize &size, qreal ratio);

// An icon from ":/<name>-32.xpm", ":/<name>-16.xpm" and ":/<name>.svg". It shows at 32 or 16
// pixels of the design, whichever fits, drawn for the screen's ratio, and at any size above 32 or
// below 16.
QIcon pictureIcon(const QString &name);

// An image control. It shows a picture at its own size, or with scaled contents stretched to
// fill the control, drawn sharp at the screen's ratio. Its pixmap() stays the picture's pixels,
// so it compares and reads as a label with that pixmap would.
class Picture : public QLabel
{
    Q_OBJECT

public:
    explicit Picture(QWidget *parent = nullptr);

    void setPicture(const QString &resource);
    // Shows the picture that another control shows.
    void setPicture(const Picture &source);
    const QString &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    qint64 m_pixels = 0; // the cache key of the pixmap set with it
};

} // namespace toolkit
