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

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

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
    lstFiles->setGeometry(150, 190, 695, 236);

    lblCreati = new QLabel(QStringLiteral("Sono state create 0 sessioni."), p);
    lblCreati->setObjectName(QStringLiteral("lblCreati"));
    lblCreati->setFont(fonts::verdana(12));
    textplate::put(lblCreati, Qt::darkGreen);
    lblCreati->setGeometry(150, 430, 695, 26);

    // The options share one pale plate, so their words read over the gradient.
    textplate::behind(p, QRect(150, 460, 695, 80));
    const QColor optionColour = textplate::onPlate(Qt::darkGreen);
    const auto option = [p, optionColour](const char *name, const QString &words, int y) {
        auto *box = new QCheckBox(words, p);
        box->setObjectName(QString::fromLatin1(name));
        box->setAccessibleName(words);
        box->setFont(fonts::verdana(11));
        box->setStyleSheet(QStringLiteral("color: %1;").arg(optionColour.name()));
        box->setGeometry(156, y, 683, 24);
        return box;
    };
    chkPiuGiovane = option("chkPiuGiovane",
                           QStringLiteral("A parità di punteggio precede il candidato più giovane"), 464);
    chkExAequo =
        option("chkExAequo", QStringLiteral("Stessa posizione a parità di punteggio (ex aequo)"), 488);
    chkPubblicazione =
        option("chkPubblicazione",
               QStringLiteral("Stampa per la pubblicazione: solo posizione, candidato e punteggio"), 512);

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
    for (QCheckBox *box : {chkPiuGiovane, chkExAequo, chkPubblicazione})
        connect(box, &QCheckBox::toggled, this, &TfrmApriClassifica::optionToggled);
}

void TfrmApriClassifica::FormShow()
{
    lblFile->clear();
    fillSessionList(lstFiles, lblCreati, app().programFolder());
    const RankingOptions options = RankingOptions::load(app().programFolder());
    // Showing the saved options is no change to save.
    const QSignalBlocker a(chkPiuGiovane), b(chkExAequo), c(chkPubblicazione);
    chkPiuGiovane->setChecked(options.youngerFirst);
    chkExAequo->setChecked(options.exAequo);
    chkPubblicazione->setChecked(options.publication);
}

RankingOptions TfrmApriClassifica::checkedOptions() const
{
    RankingOptions options;
    options.youngerFirst = chkPiuGiovane->isChecked();
    options.exAequo = chkExAequo->isChecked();
    options.publication = chkPubblicazione->isChecked();
    return options;
}

void TfrmApriClassifica::optionToggled()
{
    // A folder that cannot be written keeps the choice for this showing only.
    checkedOptions().save(app().programFolder());
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
        frmExpClassifica.setOptions(checkedOptions());
        frmExpClassifica.titClassifica->setText(QStringLiteral("Graduatoria di merito ") + session);
        frmExpClassifica.exec();
    } else {
        TfrmClassifica frmClassifica(app(), this);
        frmClassifica.setOptions(checkedOptions());
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
