#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QKeySequence>

// A clickable picture: an SVG from the resources, a rounded bar with words, or
// both (picture above, words below). The words are part of the picture and are
// also its accessible name. Hand cursor; reached with Tab (a click does not take
// the focus) and pressed with Space or Enter.
class ImageButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum class Look {
        Picture,      // the SVG fills the button
        Bar,          // rounded bar shaded top to bottom, words in white capitals
        PictureAbove, // the SVG above, the words below it in small dark text
    };

    ImageButton(const QString &objectName, QWidget *parent = nullptr);

    void setPicture(const QString &resource);
    // A key that presses the button from anywhere in its window, as a click does.
    void addShortcut(const QKeySequence &keys);
    void setWords(const QString &words);
    const QString &words() const { return m_words; }
    void setLook(Look look)
    {
        m_look = look;
        update();
    }
    void setBarColors(const QColor &top, const QColor &bottom);
    QColor barTop() const { return m_barTop; }
    QColor barBottom() const { return m_barBottom; }
    QColor wordsColor() const { return m_wordsColor; }
    void setWordsPointSize(qreal size)
    {
        m_pointSize = size;
        update();
    }
    void setWordsColor(const QColor &color)
    {
        m_wordsColor = color;
        update();
    }
    // Bars draw their words in capitals unless told otherwise.
    void setCapitals(bool capitals)
    {
        m_capitals = capitals;
        update();
    }

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_picture;
    QString m_words;
    Look m_look = Look::Picture;
    // Amber to red, both dark enough for white words (at least 4.5:1).
    QColor m_barTop = QColor(0xB3, 0x56, 0x00);
    QColor m_barBottom = QColor(0xD0, 0x20, 0x10);
    QColor m_wordsColor = Qt::white;
    qreal m_pointSize = 0;
    bool m_capitals = true;
};
