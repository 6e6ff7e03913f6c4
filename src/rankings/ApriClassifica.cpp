#include "rankings/ApriClassifica.h"

#include "archive/SessionList.h"
#include "archive/catalogue.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/SvgPicture.h"
#include "common/TextPlate.h"
#include "help/HelpActions.h"
#include "rankings/Classifica.h"
#include "rankings/ExpClassifica.h"
#include "shell/AppContext.h"
#include "shell/Avvio.h"

#include <QLabel>
#include <QListWidget>

namespace
{
ImageButton *barButton(QWidget *parent, const char *name, const QString &words, const QRect &geometry)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->setLook(ImageButton::Look::Bar);
    b->setWords(words);
    b->setWordsPointSize(12);
    b->setGeometry(geometry);
    return b;
}
} // namespace

TfrmApriClassifica::TfrmApriClassifica(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmApriClassifica"),
                       QStringLiteral(" Sintarel - Visualizzazione graduatorie"), QColor(0x42, 0x7A, 0xA8),
                       Qt::white)
{
    QWidget *p = panel();
    icoIstruzioni = new SvgPicture(QStringLiteral("icoIstruzioni"),
                                   QStringLiteral(":/pictures/classifica_banner.svg"), p);
    icoIstruzioni->setAccessibleName(QStringLiteral("VISUALIZZAZIONE GRADUATORIE"));
    icoIstruzioni->setGeometry(60, 16, 875, 110);

    lblIstruzioni =
        new QLabel(QStringLiteral("Selezionare la sessione nell'elenco sottostante e premere il pulsante "
                                  "corrispondente al tipo di graduatoria da visualizzare."),
                   p);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setFont(fonts::verdana(12));
    textplate::put(lblIstruzioni, Qt::darkGreen);
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setGeometry(150, 132, 695, 52);

    imgGuida = new ImageButton(QStringLiteral("imgGuida"), p);
    imgGuida->setPicture(QStringLiteral(":/pictures/guida.svg"));
    imgGuida->setAccessibleName(QStringLiteral("Guida"));
    imgGuida->setGeometry(860, 138, 42, 42);

    lstFiles = makeSessionListBox(p);
    lstFiles->setGeometry(150, 190, 695, 320);

    lblCreati = new QLabel(QStringLiteral("Sono state create 0 sessioni."), p);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(fonts::verdana(12));
    textplate::put(lblCreati, Qt::darkGreen);
    lblCreati->setGeometry(150, 516, 695, 26);

    btnAnnulla = barButton(p, "btnAnnulla", QStringLiteral("Annulla"), QRect(60, 570, 270, 54));
    btnExcel = barButton(p, "btnExcel", QStringLiteral("Graduatoria di merito"), QRect(362, 570, 270, 54));
    btnApri = barButton(p, "btnApri", QStringLiteral("Graduatoria alfabetica"), QRect(665, 570, 270, 54));

    lblFile = new QLabel(p);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();

    connect(btnAnnulla, &ImageButton::clicked, this, &TfrmApriClassifica::btnAnnullaClick);
    connect(btnExcel, &ImageButton::clicked, this, &TfrmApriClassifica::btnExcelClick);
    connect(btnApri, &ImageButton::clicked, this, &TfrmApriClassifica::btnApriClick);
    connect(imgGuida, &ImageButton::clicked, this, &TfrmApriClassifica::imgGuidaClick);
    imgGuida->addShortcut(Qt::Key_F1);
}

void TfrmApriClassifica::FormShow()
{
    lblFile->clear();
    fillSessionList(lstFiles, lblCreati, app().programFolder());
}

void TfrmApriClassifica::btnExcelClick()
{
    openRanking(Ranking::Merit);
}

void TfrmApriClassifica::btnApriClick()
{
    openRanking(Ranking::Alphabetical);
}

void TfrmApriClassifica::openRanking(Ranking kind)
{
    if (lstFiles->count() == 0) {
        app().messages().warning(this, QStringLiteral("Attenzione: l'elenco non contiene nessuna sessione."));
        return;
    }
    QListWidgetItem *item = selectedEntry(lstFiles);
    if (!item) {
        app().messages().warning(this,
                                 QStringLiteral("Attenzione: selezionare la sessione dall'elenco prima di "
                                                "premere il pulsante per visualizzare la graduatoria "
                                                "corrispondente."));
        return;
    }
    lblFile->setText(catalogue::sessionPath(app().programFolder(), item->text()));
    const QString session = catalogue::sessionName(item->text());
    if (kind == Ranking::Merit) {
        // The merit window reads this window's lblFile.
        TfrmExpClassifica frmExpClassifica(app(), this);
        frmExpClassifica.titClassifica->setText(QStringLiteral("Graduatoria di merito ") + session);
        frmExpClassifica.exec();
    } else {
        TfrmClassifica frmClassifica(app(), this);
        frmClassifica.lblFile->setText(lblFile->text());
        frmClassifica.titClassifica->setText(QStringLiteral("Graduatoria alfabetica ") + session);
        frmClassifica.exec();
    }
}

void TfrmApriClassifica::imgGuidaClick()
{
    help::openTopic(app(), this, QStringLiteral("Visualizzazione graduatorie"));
}

void TfrmApriClassifica::btnAnnullaClick()
{
    close();
}

void TfrmApriClassifica::FormClose()
{
    app().frmAvvio()->showWindow();
    hide();
}
