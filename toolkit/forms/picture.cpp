// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture.h"

#include <QApplication>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace toolkit {

namespace {

QString vectorOf(const QString &resource)
{
    static const QRegularExpression pixelName(QStringLiteral("(-\\d+)?\\.[A-Za-z]+$"));
    QString vector = resource;
    return vector.replace(pixelName, QStringLiteral(".svg"));
}

QPixmap rendered(const QString &resource, const QSize &pixels, qreal ratio)
{
    const QString vector = vectorOf(resource);
    const QString key = QStringLiteral("toolkit::drawPicture %1 %2x%3@%4")
                            .arg(vector)
                            .arg(pixels.width())
                            .arg(pixels.height())
                            .arg(ratio);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(vector);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    } else {
        image = QImage(resource).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    picture = QPixmap::fromImage(std::move(image));
    picture.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace

QPixmap drawPicture(const QString &resource, const QSize &size, qreal ratio)
{
    if (qFuzzyCompare(ratio, 1.0)) {
        QPixmap pixels(resource);
        if (pixels.size() == size)
            return pixels;
    }
    // Whole device pixels within the place, so no edge of the drawing is cut off.
    const auto pixels = [ratio](int length) {
        return std::max(1, int(std::floor(length * ratio + 1e-6)));
    };
    return rendered(resource, QSize(pixels(size.width()), pixels(size.height())), ratio);
}

namespace {

class PictureIconEngine final : public QIconEngine
{
public:
    explicit PictureIconEngine(const QString &name)
        : m_name(name)
    {}

    QIconEngine *clone() const override { return new PictureIconEngine(m_name); }
    QString key() const override { return QStringLiteral("toolkit::PictureIconEngine"); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return shownSize(size);
    }
    // What the platform hands the window manager. With no sizes it would take 64 and 128 pixels
    // as well, rendered from the vector at start-up: a megabyte more in use for pictures that
    // window managers hardly show.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{16, 16}, {32, 32}}; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // The size comes in device pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        const QSize shown = shownSize((QSizeF(size) / scale).toSize());
        const int design = shown.width() <= 16 ? 16 : 32;
        QPixmap picture =
            drawPicture(QStringLiteral(":/%1-%2.xpm").arg(m_name).arg(design), shown, scale);
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const QPaintDevice *device = painter->device();
        const qreal ratio = device ? device->devicePixelRatioF() : qApp->devicePixelRatio();
        const QPixmap picture =
            scaledPixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state, ratio);
        const QSize shown = picture.deviceIndependentSize().toSize();
        painter->drawPixmap(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, rect).topLeft(), picture);
    }

private:
    // The design's pictures are 32 and 16 pixels: the larger that fits shows, so a 16 pixel
    // icon keeps its own drawing in a slightly larger place. Beyond them the vector scales.
    static QSize shownSize(const QSize &room)
    {
        const int side = std::min(room.width(), room.height());
        const int shown = side > 32 || side < 16 ? side : side == 32 ? 32 : 16;
        return QSize(shown, shown);
    }

    QString m_name;
};

} // namespace

QIcon pictureIcon(const QString &name)
{
    return QIcon(new PictureIconEngine(name));
}

Picture::Picture(QWidget *parent)
    : QLabel(parent)
{}

void Picture::setPicture(const QString &resource)
{
    setPixmap(QPixmap(resource));
    m_picture = resource;
    m_pixels = pixmap().cacheKey();
}

void Picture::setPicture(const Picture &source)
{
    setPixmap(source.pixmap());
    m_picture = source.m_picture;
    m_pixels = pixmap().cacheKey();
}

void Picture::paintEvent(QPaintEvent *event)
{
    // A pixmap set as on any label, not as a picture, draws as a label draws it.
    if (m_picture.isEmpty() || pixmap().cacheKey() != m_pixels) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect area = contentsRect();
    const QRect target =
        hasScaledContents()
            ? area
            : QStyle::alignedRect(layoutDirection(),
                                  QStyle::visualAlignment(layoutDirection(), alignment()),
                                  pixmap().deviceIndependentSize().toSize(), area);
    // Drawn at its own size, the picture's pixels land on the screen's one for one; at a
    // fractional ratio it may miss the control's edge by half a pixel, which beats blurring it.
    QPainter(this).drawPixmap(target.topLeft(),
                              drawPicture(m_picture, target.size(), devicePixelRatioF()));
}

} // namespace toolkit
