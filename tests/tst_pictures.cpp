// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures are sharp at every screen scale: their own pixels at their design size on a screen of
// ratio 1, otherwise the same drawing rendered from its vector at the device pixels of its place.
// The windows' pictures are checked again under QT_SCALE_FACTOR 1.25, 1.5, 2 and 3.
#include "about/aboutwindow.h"
#include "controls.h"
#include "drillrows.h"
#include "drills/drillwindow.h"
#include "toolkit/forms/picture.h"
#include "toolkit/look/appearance.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace toolkit;

namespace {

constexpr qreal Ratios[] = {1, 1.25, 1.5, 2, 3};
const char *const Icons[] = {"target", "plus", "minus", "cross", "divide", "bulb"};

// Device pixels only, so that pictures of any ratio compare and draw one for one.
QImage argb(const QPixmap &pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    image.setDevicePixelRatio(1);
    return image;
}

// Pixels in a colour the pixel art does not have: the smoothed edges of a rendered drawing, which a
// picture enlarged pixel by pixel never shows.
int blendedPixels(const QImage &image, const QImage &pixelArt)
{
    QSet<QRgb> palette;
    for (int y = 0; y < pixelArt.height(); ++y)
        for (int x = 0; x < pixelArt.width(); ++x)
            palette.insert(pixelArt.pixel(x, y));
    int blended = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            blended += !palette.contains(image.pixel(x, y));
    return blended;
}

// Pixels of two pictures of one size, over white, with a channel apart by more than half its range.
int farPixels(const QImage &a, const QImage &b)
{
    const auto onWhite = [](const QImage &image) {
        QImage flat(image.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, image);
        return flat;
    };
    const QImage fa = onWhite(a), fb = onWhite(b);
    int far = 0;
    for (int y = 0; y < fa.height(); ++y) {
        for (int x = 0; x < fa.width(); ++x) {
            const QRgb p = fa.pixel(x, y), q = fb.pixel(x, y);
            far += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))}) > 128;
        }
    }
    return far;
}

// What a control paints, on a transparent canvas at the screen's ratio.
QImage painted(QWidget *control)
{
    const qreal ratio = control->devicePixelRatioF();
    QImage canvas((QSizeF(control->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    control->render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    canvas.setDevicePixelRatio(1);
    return canvas.convertToFormat(QImage::Format_ARGB32);
}

// The smallest rectangle holding every pixel that is not transparent.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void drawnAtEveryRatio_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size"); // the design size, or a stretched face's place
        QTest::addColumn<qreal>("ratio");
        QStringList resources;
        for (int face = 0; face < 5; ++face)
            resources << QStringLiteral(":/face%1.xpm").arg(face);
        for (const char *icon : Icons)
            resources << QStringLiteral(":/%1-32.xpm").arg(icon)
                      << QStringLiteral(":/%1-16.xpm").arg(icon);
        for (const qreal ratio : Ratios) {
            for (const QString &resource : resources) {
                const QSize design = QPixmap(resource).size();
                QTest::addRow("%s@%g", qPrintable(resource), ratio) << resource << design << ratio;
            }
            QTest::addRow("stretched@%g", ratio) << ":/face2.xpm" << QSize(57, 49) << ratio;
        }
    }

    void drawnAtEveryRatio()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QFETCH(qreal, ratio);
        const QImage pixelArt = argb(QPixmap(resource));
        const QPixmap drawn = drawPicture(resource, size, ratio);
        QCOMPARE(drawn.devicePixelRatio(), ratio);
        QCOMPARE(drawn.size(),
                 QSize(std::floor(size.width() * ratio), std::floor(size.height() * ratio)));
        const QImage image = argb(drawn);
        if (ratio == 1 && size == pixelArt.size()) {
            QCOMPARE(image, pixelArt);
            return;
        }
        // Drawn, not enlarged from the pixel art: curves and slants get smoothed edges, and no
        // edge is blurred. The signs of straight, upright bars are as crisp as pixels.
        QVERIFY(image !=
                pixelArt.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        if (resource.contains("plus") || resource.contains("minus")) {
            if (size.width() == 32 && ratio == std::round(ratio))
                QCOMPARE(image, pixelArt.scaled(image.size()));
        } else {
            QVERIFY(blendedPixels(image, pixelArt) > 0);
            QVERIFY(image != pixelArt.scaled(image.size()));
        }
        // The vector is the same drawing: brought back to the design size it matches the pixels
        // but along the edges. (The 16 pixel icons are drawings of their own.)
        if (size == QSize(32, 32) && ratio == 3) {
            const QImage back = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY(farPixels(back, pixelArt) < 32);
        }
    }

    void iconsAtEveryRatio()
    {
        for (const char *name : Icons) {
            const QIcon icon = designIcon(name);
            for (const qreal ratio : Ratios) {
                for (const int size : {16, 32}) {
                    const QPixmap pixmap = icon.pixmap(QSize(size, size), ratio);
                    QCOMPARE(pixmap.size(), QSize(size * ratio, size * ratio));
                    QCOMPARE(argb(pixmap),
                             argb(drawPicture(QStringLiteral(":/%1-%2.xpm").arg(name).arg(size),
                                              {size, size}, ratio)));
                }
                // A title bar's slightly larger place shows the 16 pixel drawing, centred.
                if (ratio != std::round(ratio))
                    continue;
                QImage canvas(QSize(18, 18) * ratio, QImage::Format_ARGB32_Premultiplied);
                canvas.setDevicePixelRatio(ratio);
                canvas.fill(Qt::transparent);
                QPainter painter(&canvas);
                icon.paint(&painter, QRect(0, 0, 18, 18));
                painter.end();
                canvas.setDevicePixelRatio(1);
                QCOMPARE(canvas.copy(ratio, ratio, 16 * ratio, 16 * ratio)
                             .convertToFormat(QImage::Format_ARGB32),
                         argb(icon.pixmap(QSize(16, 16), ratio)));
            }
        }
    }

    // The black signs on a dark menu bar or title bar: their rim reads on either, at every size
    // and ratio.
    void signsStandOutOnLightAndDarkBars()
    {
        for (const char *name : {"plus", "minus", "cross", "divide"}) {
            for (const QColor bar : {QColor(0xEF, 0xF0, 0xF1), QColor(0x31, 0x36, 0x3B)}) {
                for (const qreal ratio : Ratios) {
                    const QImage sign = argb(designIcon(name).pixmap(QSize(16, 16), ratio));
                    int standingOut = 0;
                    for (int y = 0; y < sign.height(); ++y) {
                        for (int x = 0; x < sign.width(); ++x) {
                            const QColor pixel = sign.pixelColor(x, y);
                            standingOut += pixel.alpha() == 255 &&
                                           contrastRatio(pixel, bar) >= LegibleContrast;
                        }
                    }
                    QVERIFY2(standingOut >= 12 * ratio,
                             qPrintable(QStringLiteral("%1 on %2 at %3: %4 pixels")
                                            .arg(name, bar.name())
                                            .arg(ratio)
                                            .arg(standingOut)));
                }
            }
        }
    }

    // On this screen, whatever its ratio: the faces a right answer shows, stretched, and About's
    // target at its own size.
    void windowsShowTheDrawings()
    {
        drills::DrillWindow window(Addition);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto sum = [](std::initializer_list<QLabel *> operands) {
            int value = 0;
            for (const QLabel *operand : operands)
                value += operand->text().toInt();
            return QString::number(value);
        };
        QTest::keyClicks(window.two.answerBox,
                         sum({window.two.operands[0], window.two.operands[1]}));
        QTest::mouseClick(window.two.answerButton, Qt::LeftButton);
        QTest::keyClicks(
            window.three.answerBox,
            sum({window.three.operands[0], window.three.operands[1], window.three.operands[2]}));
        QTest::mouseClick(window.three.answerButton, Qt::LeftButton);

        const qreal ratio = window.devicePixelRatioF();
        for (const auto &[picture, face] : {std::pair{window.two.picture, ":/face2.xpm"},
                                            std::pair{window.three.picture, ":/face3.xpm"}}) {
            QCOMPARE(picture->picture(), face);
            const QImage drawn = argb(drawPicture(face, picture->size(), ratio));
            QCOMPARE(painted(picture).copy(drawn.rect()), drawn);
        }

        about::AboutWindow about;
        const QImage shown = painted(control<Picture>(about, "picIcon"));
        const QImage drawn = argb(drawPicture(":/target-32.xpm", {32, 32}, ratio));
        QCOMPARE(shown.copy(QRect(inkBox(shown).topLeft(), drawn.size())), drawn);
    }
};

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
