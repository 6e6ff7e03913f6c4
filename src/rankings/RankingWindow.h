#pragma once

#include "rankings/linetable.h"
#include "rankings/rankingoptions.h"

#include <QDialog>
#include <QList>
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
    QLabel *lblAvviso;
    QPushButton *btnSalvaPdf;
    QPushButton *btnStampa;
    QPushButton *btnEsci;

    // The options the selection window had when the ranking was opened.
    void setOptions(const RankingOptions &options) { m_options = options; }
    const RankingOptions &options() const { return m_options; }

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
    void btnSalvaPdfClick();
    // The lines of the publication printout, for the publication option.
    void setPublished(LineTable lines) { m_published = std::move(lines); }
    // The information line under the list; hidden when empty.
    void setNotice(const QString &text);
    void btnEsciClick();
    void imgGuidaClick();

    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void showSelection();
    // Follows the list's selection model; called again whenever the model changes.
    void followSelection();
    void placeByWidth();
    // The lines printed and saved: the list's, or the publication lines.
    QStringList printedLines() const;

    AppContext &m_app;
    RankingOptions m_options;
    LineTable m_published;
    QWidget *m_panel;
    PanelHost *m_host;
    WidthAnchors m_anchors;
    QList<QMetaObject::Connection> m_selectionLinks;
};
