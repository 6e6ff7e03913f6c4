#include "common/SvgPicture.h"

#include "common/SvgCache.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString &objectName, const QString &resource, QWidget *parent)
    : QWidget(parent), m_picture(resource)
{
    setObjectName(objectName);
}

void SvgPicture::setPicture(const QString &resource)
{
    m_picture = resource;
    update();
}

void SvgPicture::setDimmed(bool dimmed)
{
    if (m_dimmed == dimmed)
        return;
    m_dimmed = dimmed;
    update();
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!m_dimmed) {
        svgcache::renderer(m_picture)->render(&p, rect());
        return;
    }
    const qreal ratio = devicePixelRatioF();
    QImage picture(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter q(&picture);
        q.setRenderHint(QPainter::Antialiasing);
        svgcache::renderer(m_picture)->render(&q, QRectF(QPointF(0, 0), QSizeF(size())));
    }
    // Grey keeps the shape and drops the colour; the alpha survives the conversion.
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    p.setOpacity(0.45);
    p.drawImage(rect(), picture);
}
