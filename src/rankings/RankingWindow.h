#pragma once

#include <QDialog>
#include <QStringList>

#include "common/WidthAnchors.h"
#include "rankings/selectionline.h"

class AppContext;
class ImageButton;
class LineListView;
class PanelHost;
class QLabel;
class QLineEdit;
class QPushButton;
class SvgPicture;

// What the two ranking windows share: a modal window opened maximised over a
// steel-blue gradient, with the heading, the find field, the list of lines, the
// total and the print and exit buttons. Each ranking fills the list its own way.
class RankingWindow : public QDialog
{
    Q_OBJECT
public:
    AppContext &app() const { return m_app; }

    QLabel *titClassifica;
    SvgPicture *icoIstruzioni;
    ImageButton *imgGuida;
    SvgPicture *imgLogo;
    SvgPicture *imgLente;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    LineListView *lstRecords;
    // The selected line's position, name and score, in large type under the list.
    QLabel *lblSelezionato;
    QLabel *infIntervallo;
    QLabel *lblTotConcorrenti;
    QPushButton *btnStampa;
    QPushButton *btnEsci;

protected:
    RankingWindow(AppContext &app, const QString &objectName, const QString &caption, QWidget *parent);

    // Filling the list when the window is shown; tidying when it closes.
    virtual void FormShow() {}
    virtual void FormClose() {}
    // The remembered search text of this kind of window.
    virtual QString &rememberedSearch() = 0;
    // The print job's title.
    virtual QString reportName() const = 0;
    // How the lines are laid out, for telling the selected one.
    virtual lines::LineKind lineKind() const { return lines::LineKind::Candidate; }

    void btnTrovaClick();
    void btnStampaClick();
    void btnEsciClick();
    void imgGuidaClick();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void showSelection();
    void placeByWidth();

    AppContext &m_app;
    QWidget *m_panel;
    PanelHost *m_host;
    WidthAnchors m_anchors;
};
