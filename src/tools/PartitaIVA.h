#pragma once

#include "tools/TaxCheckWindow.h"

// Tells whether a VAT number is consistent with its check digit and, when it is,
// which VAT office issued it.
class TfrmPartitaIva : public TaxCheckWindow
{
    Q_OBJECT
public:
    explicit TfrmPartitaIva(AppContext &app, QWidget *parent = nullptr);

    QLineEdit *txtPartitaIva;

protected:
    bool discardKey(QKeyEvent *event) override;

private slots:
    void btnControllaClick() override;
};
