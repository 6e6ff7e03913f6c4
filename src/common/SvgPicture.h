#pragma once

#include <QWidget>

// A picture from the resources, drawn at any size keeping its proportions.
class SvgPicture : public QWidget
{
    Q_OBJECT
public:
    SvgPicture(const QString &objectName, const QString &resource, QWidget *parent = nullptr);
    void setPicture(const QString &resource);
    // A dimmed picture is drawn grey and faint: a state that is off.
    void setDimmed(bool dimmed);
    bool isDimmed() const { return m_dimmed; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_picture;
    bool m_dimmed = false;
};
