#pragma once

#include "tools/TaxCheckWindow.h"

// Tells whether a fiscal code is consistent with its check character.
class TfrmCodFisc : public TaxCheckWindow
{
    Q_OBJECT
public:
    explicit TfrmCodFisc(AppContext &app, QWidget *parent = nullptr);

    QLineEdit *txtCodFisc;

private slots:
    void btnControllaClick() override;
    void txtCodFiscTyping();
};
