#include "common/SvgPicture.h"

#include "common/SvgCache.h"

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

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    svgcache::renderer(m_picture)->render(&p, rect());
}
