#pragma once

#include "rankings/RankingWindow.h"

// The merit ranking: every candidate of the session from the highest score
// down, each line with its position. Reads the session path from the ranking
// selection window's lblFile.
class TfrmExpClassifica : public RankingWindow
{
    Q_OBJECT
public:
    TfrmExpClassifica(AppContext &app, QWidget *parent = nullptr);

    // The last text searched in a merit ranking, kept for the whole run.
    static QString &searchText();

protected:
    void FormShow() override;
    QString &rememberedSearch() override { return searchText(); }
    QString reportName() const override;
    lines::LineKind lineKind() const override { return lines::LineKind::Merit; }
};
