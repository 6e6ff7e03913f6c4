#pragma once

#include <QWidget>

// A picture from the resources, drawn at any size keeping its proportions.
class SvgPicture : public QWidget
{
    Q_OBJECT
public:
    SvgPicture(const QString &objectName, const QString &resource, QWidget *parent = nullptr);
    void setPicture(const QString &resource);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
};
