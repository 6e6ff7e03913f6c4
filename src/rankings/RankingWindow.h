#pragma once

#include <QDialog>
#include <QStringList>

class AppContext;
class ImageButton;
class LineListView;
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

    void btnTrovaClick();
    void btnStampaClick();
    void btnEsciClick();
    void imgGuidaClick();

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    AppContext &m_app;
    QWidget *m_panel;
};
