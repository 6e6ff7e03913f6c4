#pragma once

#include <QColor>
#include <QLabel>

// A text link: underlined words under a hand cursor that report the mouse
// button going down and up and a click, so a window can colour the words while
// they are pressed. Enter or Space click it when it has the keyboard focus.
class TextLink : public QLabel
{
    Q_OBJECT
public:
    static inline const QColor kDarkBlue{0x00, 0x00, 0x8B};
    static inline const QColor kOrange{0xFF, 0xA5, 0x00};

    TextLink(const QString &objectName, const QString &text, QWidget *parent = nullptr);

    void setColor(const QColor &color);
    QColor color() const;

signals:
    void mouseDown();
    void mouseUp();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_pressed = false;
};
