// SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practising.h"

#include "drilltable/levels.h"
#include "scores/scorefolder.h"
#include "scores/scorerecord.h"
#include "toolkit/speech/readaloud.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QIconEngine>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace classroom {

namespace {

ClassFile &loaded()
{
    static ClassFile file;
    return file;
}

QString &chosenName()
{
    static QString name;
    return name;
}

struct Colour
{
    QRgb rgb;
    const char *word;
};
// Colours a child tells apart, dark enough for a white shape on them.
constexpr Colour Colours[] = {
    {0xd32f2f, QT_TRANSLATE_NOOP("classroom::Badge", "red")},
    {0x1565c0, QT_TRANSLATE_NOOP("classroom::Badge", "blue")},
    {0x2e7d32, QT_TRANSLATE_NOOP("classroom::Badge", "green")},
    {0xef6c00, QT_TRANSLATE_NOOP("classroom::Badge", "orange")},
    {0x6a1b9a, QT_TRANSLATE_NOOP("classroom::Badge", "purple")},
    {0x795548, QT_TRANSLATE_NOOP("classroom::Badge", "brown")},
    {0xc2185b, QT_TRANSLATE_NOOP("classroom::Badge", "pink")},
    {0x00838f, QT_TRANSLATE_NOOP("classroom::Badge", "turquoise")},
};
constexpr const char *Shapes[] = {
    QT_TRANSLATE_NOOP("classroom::Badge", "star"),
    QT_TRANSLATE_NOOP("classroom::Badge", "circle"),
    QT_TRANSLATE_NOOP("classroom::Badge", "square"),
    QT_TRANSLATE_NOOP("classroom::Badge", "triangle"),
    QT_TRANSLATE_NOOP("classroom::Badge", "heart"),
    QT_TRANSLATE_NOOP("classroom::Badge", "moon"),
};
constexpr int Badges = int(std::size(Colours) * std::size(Shapes));

QPainterPath shapePath(int shape, QRectF r)
{
    QPainterPath path;
    const QPointF c = r.center();
    const qreal radius = r.width() / 2;
    switch (shape) {
    case 0: // a five-pointed star
        for (int i = 0; i < 10; ++i) {
            const qreal a = -M_PI / 2 + i * M_PI / 5;
            const qreal d = i % 2 ? radius * 0.42 : radius;
            const QPointF p(c.x() + d * std::cos(a), c.y() + d * std::sin(a));
            i ? path.lineTo(p) : path.moveTo(p);
        }
        path.closeSubpath();
        break;
    case 1:
        path.addEllipse(r.adjusted(radius * 0.1, radius * 0.1, -radius * 0.1, -radius * 0.1));
        break;
    case 2:
        path.addRect(r.adjusted(radius * 0.2, radius * 0.2, -radius * 0.2, -radius * 0.2));
        break;
    case 3:
        path.moveTo(c.x(), r.top());
        path.lineTo(r.right(), r.bottom() - radius * 0.2);
        path.lineTo(r.left(), r.bottom() - radius * 0.2);
        path.closeSubpath();
        break;
    case 4: { // a heart: two round tops and a point
        const qreal w = r.width();
        path.moveTo(c.x(), r.bottom() - w * 0.08);
        path.cubicTo(r.left() - w * 0.1, c.y(), r.left() + w * 0.15, r.top() - w * 0.05, c.x(),
                     r.top() + w * 0.28);
        path.cubicTo(r.right() - w * 0.15, r.top() - w * 0.05, r.right() + w * 0.1, c.y(), c.x(),
                     r.bottom() - w * 0.08);
        break;
    }
    default: // a crescent moon: a full one, its bite painted over in the badge's colour
        path.addEllipse(r.adjusted(radius * 0.1, radius * 0.1, -radius * 0.1, -radius * 0.1));
    }
    return path;
}

QRectF moonBite(QRectF r)
{
    const qreal radius = r.width() / 2;
    return r.adjusted(radius * 0.5, 0, radius * 0.3, -radius * 0.2);
}

} // namespace

void setCurrentClass(const ClassFile &file)
{
    loaded() = file;
}

QString loadClass()
{
    const scores::ScoreFolder &folder = scores::scoreFolder();
    loaded() = folder.exists ? readClassFile(folder.path) : ClassFile();
    // The first few lines say what is wrong; a hostile file would fill the screen.
    QStringList problems = loaded().problems.mid(0, 8);
    if (loaded().problems.size() > problems.size())
        problems << QCoreApplication::translate("classroom::ClassFile", "… and %n more.", nullptr,
                                                int(loaded().problems.size() - problems.size()));
    return problems.join(u'\n');
}

void practise(const QString &learner)
{
    const ClassList &list = loaded().list;
    QHash<QString, QString> levels = list.classLevels;
    for (const Learner &l : list.learners)
        if (!learner.isEmpty() && l.name == learner)
            for (auto it = l.levels.cbegin(); it != l.levels.cend(); ++it)
                levels.insert(it.key(), it.value());
    drilltable::setLevelsInForce(levels);
    scores::offerName(learner);
    chosenName() = learner;
}

QString practising()
{
    return chosenName();
}

QList<Badge> badgesOf(const ClassList &list)
{
    constexpr int ColourCount = int(std::size(Colours));
    QList<Badge> badges;
    QList<bool> taken(Badges);
    QList<int> colourUses(ColourCount);
    for (const Learner &learner : list.learners) {
        // From the name, so that a child keeps their picture when the class changes, and in a
        // colour nobody else has while there are colours to spare.
        const int start = int(qHash(learner.name.toCaseFolded(), 0) % Badges);
        const int fewest = *std::ranges::min_element(colourUses);
        int n = start;
        for (int k = 0; k < Badges; ++k) {
            const int candidate = (start + k) % Badges;
            if (!taken[candidate] && colourUses[candidate % ColourCount] == fewest) {
                n = candidate;
                break;
            }
        }
        taken[n] = true;
        ++colourUses[n % ColourCount];
        badges.append({n % ColourCount, n / ColourCount});
    }
    return badges;
}

namespace {

// Draws a badge at whatever size and scale it is shown: sharp on every screen, and nothing drawn
// before a button is.
class BadgeEngine : public QIconEngine
{
public:
    explicit BadgeEngine(Badge badge)
        : m_badge(badge)
    {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const QRectF r(rect);
        const qreal size = std::min(r.width(), r.height());
        const QRectF square(r.center() - QPointF(size, size) / 2, QSizeF(size, size));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(Colours[m_badge.colour].rgb));
        painter->drawRoundedRect(square, size * 0.2, size * 0.2);
        painter->setBrush(Qt::white);
        const QRectF inner = square.adjusted(size * 0.15, size * 0.15, -size * 0.15, -size * 0.15);
        painter->drawPath(shapePath(m_badge.shape, inner));
        if (m_badge.shape == int(std::size(Shapes)) - 1) {
            painter->setBrush(QColor(Colours[m_badge.colour].rgb));
            painter->drawEllipse(moonBite(inner));
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }
    QIconEngine *clone() const override { return new BadgeEngine(m_badge); }

private:
    Badge m_badge;
};

} // namespace

QIcon badgeIcon(Badge badge)
{
    return QIcon(new BadgeEngine(badge));
}

QString badgeWords(Badge badge)
{
    //: A learner's picture: a colour and a shape, as in "red star".
    return QCoreApplication::translate("classroom::Badge", "%1 %2")
        .arg(QCoreApplication::translate("classroom::Badge", Colours[badge.colour].word),
             QCoreApplication::translate("classroom::Badge", Shapes[badge.shape]));
}

WhoIsPractising::WhoIsPractising(const ClassList &list, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmWhoIsPractising"));
    setWindowTitle(tr("Who is practising?"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Who is practising?"), this);
    heading->setObjectName(QStringLiteral("lblWhoIsPractising"));
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    heading->setFont(big);
    layout->addWidget(heading);

    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *grid = new QWidget(scroll);
    auto *buttons = new QGridLayout(grid);
    QFont name = font();
    name.setPointSizeF(name.pointSizeF() * 1.6);
    // As many columns of buttons as the screen has room for, up to four.
    const QRect screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int columns = m_columns = std::clamp((screen.width() - 80) / 230, 1, 4);
    const auto addButton = [&](const QString &objectName, const QString &text, const QIcon &icon,
                               const QString &description, int index) {
        auto *button = new QPushButton(icon, text, grid);
        button->setObjectName(objectName);
        button->setFont(name);
        button->setIconSize(QSize(48, 48));
        button->setMinimumSize(220, 72);
        // Enter chooses the button the keyboard is on, as Space does.
        button->setAutoDefault(true);
        button->setAccessibleName(text);
        button->setAccessibleDescription(description);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, objectName, text] {
            m_chosen = objectName == u"cmdSomeoneElse" ? QString() : text;
            accept();
        });
        buttons->addWidget(button, index / columns, index % columns);
        m_buttons.append(button);
        return button;
    };
    const QList<Badge> badges = badgesOf(list);
    for (qsizetype i = 0; i < list.learners.size(); ++i)
        addButton(QStringLiteral("cmdLearner(%1)").arg(i), list.learners[i].name,
                  badgeIcon(badges[i]), badgeWords(badges[i]), int(i));
    QPushButton *someone =
        addButton(QStringLiteral("cmdSomeoneElse"), tr("Someone else"), QIcon(),
                  tr("Type your name when you save a score."), int(list.learners.size()));
    scroll->setWidget(grid);
    layout->addWidget(scroll);
    // Room for all of a class of thirty without scrolling, on a screen that has it.
    const QSize all = grid->sizeHint();
    scroll->setMinimumSize(all.width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                           std::min(all.height(), screen.height() - 200));
    adjustSize();
    if (!list.learners.isEmpty())
        findChild<QPushButton *>(QStringLiteral("cmdLearner(0)"))->setFocus();
    else
        someone->setFocus();
}

bool WhoIsPractising::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(watched);
    // A child who cannot read yet hears the name the pointer or the keyboard is on.
    if (button && (event->type() == QEvent::FocusIn || event->type() == QEvent::Enter))
        toolkit::speech::say(button->text());
    if (button && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            moveFocus(button, key->key()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool WhoIsPractising::moveFocus(QPushButton *from, int key)
{
    const int at = int(m_buttons.indexOf(from));
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    int to = at;
    switch (key) {
    case Qt::Key_Left:
        to = rightToLeft ? at + 1 : at - 1;
        break;
    case Qt::Key_Right:
        to = rightToLeft ? at - 1 : at + 1;
        break;
    case Qt::Key_Up:
        to = at - m_columns;
        break;
    case Qt::Key_Down: // from the row above a shorter last row, to its last button
        to = at + m_columns < m_buttons.size() ||
                     at / m_columns == (m_buttons.size() - 1) / m_columns
                 ? at + m_columns
                 : int(m_buttons.size()) - 1;
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = int(m_buttons.size()) - 1;
        break;
    default:
        return false;
    }
    if (at < 0 || to < 0 || to >= m_buttons.size())
        return true; // at the edge the focus stays where it is
    m_buttons[to]->setFocus(Qt::TabFocusReason);
    return true;
}

void askWhoIsPractising(QWidget *window, const std::function<void(const QString &)> &chosen)
{
    const ClassList &list = loaded().list;
    if (list.learners.isEmpty()) {
        practise({});
        chosen({});
        return;
    }
    auto *dialog = new WhoIsPractising(list, window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(window ? Qt::WindowModal : Qt::NonModal);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, chosen](int result) {
        // Closing the question without an answer keeps who was practising: at start, someone else.
        const QString name = result == QDialog::Accepted ? dialog->chosen() : practising();
        practise(name);
        chosen(name);
    });
    const QRect screen =
        (window ? window->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    dialog->move(screen.center() - dialog->rect().center());
    dialog->show();
    dialog->activateWindow();
}

} // namespace classroom
