#include "common/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

SvgPicture::SvgPicture(const QString &objectName, const QString &resource, QWidget *parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(resource, this))
{
    setObjectName(objectName);
    m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
}

void SvgPicture::setPicture(const QString &resource)
{
    m_renderer->load(resource);
    m_renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    update();
}

void SvgPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&p, rect());
}
