#pragma once

#include "common/DialogWindow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SvgPicture;

// The common frame of the fiscal code and VAT number checks: a title picture, a
// line of instructions, one code field with its check button, and "Chiudi".
class TaxCheckWindow : public DialogWindow
{
    Q_OBJECT
public:
    QWidget *panContainer;
    QFrame *shpContainer;
    SvgPicture *imgLogo;
    QLabel *lblTitolo;
    QFrame *shpCodFisc;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;

    // Puts a text into the code field as the editor hands it over: whole, even when
    // it is longer than what the user may type.
    void placeText(const QString &text);

protected:
    struct Look {
        QString objectName;
        QString caption;
        QSize clientSize;
        QColor background;
        QColor outline;
        QString logo;
        QString logoName;
        QString instructions;
        QString fieldName;
        int typingLimit;
    };

    TaxCheckWindow(AppContext &app, const Look &look, QWidget *parent);

    QLineEdit *field() const { return m_field; }

    // Once a longer text was handed over, the user may shorten it but not lengthen
    // it; at or below the limit, typing stops at the limit.
    void limitTyping();

    void FormShow() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Key presses in the field other than Enter; true to discard the key.
    virtual bool discardKey(QKeyEvent *) { return false; }

protected slots:
    virtual void btnControllaClick() = 0;
    void btnChiudiClick();

private:
    QLineEdit *m_field;
    int m_typingLimit;
};
