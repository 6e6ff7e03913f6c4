#pragma once

#include "rankings/RankingWindow.h"

class QLabel;

// The alphabetical ranking: the candidates of the session who have a score, in
// sorted-list order of their lines. The opener puts the session path in lblFile.
class TfrmClassifica : public RankingWindow
{
    Q_OBJECT
public:
    TfrmClassifica(AppContext &app, QWidget *parent = nullptr);

    QLabel *lblFile;

    // The last text searched in an alphabetical ranking; cleared at each opening.
    static QString &searchText();

protected:
    void FormShow() override;
    void FormClose() override;
    QString &rememberedSearch() override { return searchText(); }
    QString reportName() const override;
};
