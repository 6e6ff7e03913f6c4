#pragma once

#include "common/DialogWindow.h"

class ImageButton;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class SvgPicture;
class TextLink;

// The help window: one topic's title and text, and the way to the full manual.
// Created anew by every help button and destroyed when it closes.
class TfrmGuida : public DialogWindow
{
    Q_OBJECT
public:
    explicit TfrmGuida(AppContext &app, QWidget *parent = nullptr);

    // Sets lblTitolo and txtGuida.
    void showTopic(const QString &title, const QString &text);

    QWidget *bkgLogo;
    SvgPicture *imgLogo;
    QLabel *lblTitolo;
    QPlainTextEdit *txtGuida;
    ImageButton *imgPDF;
    TextLink *lnkWeb;
    QPushButton *btnChiudi;

protected:
    void FormShow() override;

private slots:
    void lnkWebMouseDown();
    void lnkWebMouseUp();
    void lnkWebClick();
    void btnChiudiClick();
};
