#include "common/ImageButton.h"

#include "common/SvgCache.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QShortcut>
#include <QSvgRenderer>
#include <QToolTip>

ImageButton::ImageButton(const QString &objectName, QWidget *parent) : QAbstractButton(parent)
{
    setObjectName(objectName);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab only: a click leaves the focus in the field being edited,
    // so Enter or Space afterwards does not press the button again.
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::setPicture(const QString &resource)
{
    m_picture = resource;
    update();
}

void ImageButton::addShortcut(const QKeySequence &keys)
{
    auto *shortcut = new QShortcut(keys, this);
    // Synchronous, so the command has run when the key press is over.
    connect(shortcut, &QShortcut::activated, this, &ImageButton::click);
}

void ImageButton::setWords(const QString &words)
{
    m_words = words;
    setText(words);
    setAccessibleName(words);
    if (m_look == Look::Picture && m_picture.isEmpty())
        m_look = Look::Bar;
    update();
}

void ImageButton::setBarColors(const QColor &top, const QColor &bottom)
{
    m_barTop = top;
    m_barBottom = bottom;
    update();
}

QSize ImageButton::sizeHint() const
{
    if (!m_picture.isEmpty()) {
        QSvgRenderer *renderer = svgcache::renderer(m_picture);
        if (renderer->isValid())
            return renderer->defaultSize();
    }
    return QSize(200, 40);
}

bool ImageButton::event(QEvent *event)
{
    // A picture without words on it tells its name when pointed at.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty() && m_look == Look::Picture &&
        !accessibleName().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), accessibleName(), this);
        return true;
    }
    return QAbstractButton::event(event);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const bool down = isDown();
    const bool hover = underMouse() && isEnabled();
    QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (down)
        r.translate(1, 1);

    QRectF pictureRect = r;
    QRectF wordsRect;
    if (m_look == Look::PictureAbove && !m_words.isEmpty()) {
        const qreal wordsHeight = std::max<qreal>(14, r.height() * 0.28);
        pictureRect.setBottom(r.bottom() - wordsHeight);
        wordsRect = QRectF(r.left(), pictureRect.bottom(), r.width(), wordsHeight);
    }

    if (m_look == Look::Bar) {
        QPainterPath path;
        const qreal radius = std::min<qreal>(r.height() / 2, 14);
        path.addRoundedRect(r, radius, radius);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        // Pointing shades the bar away from its words, so it never costs contrast.
        const bool lightWords = m_wordsColor.lightnessF() > 0.5;
        auto shade = [hover, lightWords](const QColor &c) {
            return hover ? (lightWords ? c.darker(112) : c.lighter(112)) : c;
        };
        g.setColorAt(0, shade(m_barTop));
        g.setColorAt(1, shade(m_barBottom));
        p.fillPath(path, g);
        p.setPen(QPen(m_barBottom.darker(130), 1));
        p.drawPath(path);
        QFont f = font();
        f.setBold(true);
        f.setPointSizeF(m_pointSize > 0 ? m_pointSize : std::max<qreal>(8, r.height() * 0.32));
        p.setFont(f);
        p.setPen(QColor(0, 0, 0, 90));
        const QString shown = m_capitals ? m_words.toUpper() : m_words;
        p.drawText(r.translated(1, 1), Qt::AlignCenter, shown);
        p.setPen(m_wordsColor);
        p.drawText(r, Qt::AlignCenter, shown);
    } else {
        QSvgRenderer *renderer = m_picture.isEmpty() ? nullptr : svgcache::renderer(m_picture);
        if (renderer && renderer->isValid()) {
            const QSizeF def = renderer->defaultSize();
            QSizeF s = def.scaled(pictureRect.size(), Qt::KeepAspectRatio);
            QRectF target(QPointF(0, 0), s);
            target.moveCenter(pictureRect.center());
            if (!isEnabled())
                p.setOpacity(0.4);
            renderer->render(&p, target);
            p.setOpacity(1);
            if (hover) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 40));
                p.drawRoundedRect(target, 6, 6);
            }
        }
        if (wordsRect.isValid()) {
            QFont f = font();
            f.setPointSizeF(m_pointSize > 0 ? m_pointSize : 7.5);
            f.setBold(true);
            p.setFont(f);
            p.setPen(m_wordsColor == Qt::white ? QColor(0x10, 0x30, 0x60) : m_wordsColor);
            p.drawText(wordsRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_words);
        }
    }

    if (hasFocus()) {
        QPen pen(QColor(0x1E, 0x50, 0xA0), 1, Qt::DashLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    }
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && isEnabled()) {
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}
