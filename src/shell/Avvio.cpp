#include "shell/Avvio.h"

#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "common/ImageButton.h"
#include "common/SvgPicture.h"
#include "help/HelpActions.h"
#include "help/maker.h"
#include "rankings/ApriClassifica.h"
#include "shell/AppContext.h"

namespace
{

ImageButton *picture(QWidget *parent, const char *name, const char *resource, const QString &accessibleName,
                     const QRect &geometry)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->setPicture(QString::fromLatin1(resource));
    b->setAccessibleName(accessibleName);
    b->setGeometry(geometry);
    return b;
}

ImageButton *bar(QWidget *parent, const char *name, const QString &words, const QRect &geometry)
{
    auto *b = new ImageButton(QString::fromLatin1(name), parent);
    b->setLook(ImageButton::Look::Bar);
    b->setWords(words);
    b->setGeometry(geometry);
    return b;
}

} // namespace

TfrmAvvio::TfrmAvvio(AppContext &app)
    : FullScreenWindow(app, QStringLiteral("frmAvvio"), QStringLiteral(" Sintarel"), QColor(0x5D, 0x85, 0xA6),
                       Qt::white)
{
    setPanelColor(Qt::white);
    QWidget *p = panel();

    imgTitolo = new SvgPicture(QStringLiteral("imgTitolo"), QStringLiteral(":/pictures/titolo.svg"), p);
    imgTitolo->setGeometry(60, 8, 875, 112);
    imgTitolo->setAccessibleName(QStringLiteral("Sintarel"));
    imgSottotitolo =
        new SvgPicture(QStringLiteral("imgSottotitolo"), QStringLiteral(":/pictures/sottotitolo.svg"), p);
    imgSottotitolo->setGeometry(60, 124, 875, 48);
    imgSottotitolo->setAccessibleName(
        QStringLiteral("Gestione dei candidati e delle sessioni d'esame, stampa delle graduatorie finali"));

    const int columnWidth = 261;
    const int xs[3] = {50, 367, 684};
    const QString words[3] = {QStringLiteral("Crea nuova sessione"),
                              QStringLiteral("Apri sessione esistente"),
                              QStringLiteral("Visualizza graduatorie")};
    imgCreazione =
        picture(p, "imgCreazione", ":/pictures/creazione.svg", words[0], QRect(xs[0], 188, columnWidth, 280));
    imgApertura =
        picture(p, "imgApertura", ":/pictures/apertura.svg", words[1], QRect(xs[1], 188, columnWidth, 280));
    imgClassifiche = picture(p, "imgClassifiche", ":/pictures/classifiche.svg", words[2],
                             QRect(xs[2], 188, columnWidth, 280));
    btnCreazione = bar(p, "btnCreazione", words[0], QRect(xs[0], 480, columnWidth, 54));
    btnApertura = bar(p, "btnApertura", words[1], QRect(xs[1], 480, columnWidth, 54));
    btnClassifiche = bar(p, "btnClassifiche", words[2], QRect(xs[2], 480, columnWidth, 54));
    for (ImageButton *b : {btnCreazione, btnApertura, btnClassifiche})
        b->setWordsPointSize(12);

    imgInfo =
        picture(p, "imgInfo", ":/pictures/info.svg", QStringLiteral("Informazioni"), QRect(10, 10, 42, 42));
    imgGuida =
        picture(p, "imgGuida", ":/pictures/guida.svg", QStringLiteral("Guida"), QRect(943, 10, 42, 42));
    imgCopyright = picture(p, "imgCopyright", ":/pictures/copyright.svg",
                           QStringLiteral("Note sul programma"), QRect(10, 640, 42, 42));
    imgEsci = picture(p, "imgEsci", ":/pictures/esci.svg", QStringLiteral("Esci"), QRect(943, 640, 42, 42));

    imgSito = bar(p, "imgSito", maker::webAddressShown(), QRect(297, 586, 400, 40));
    imgSito->setBarColors(QColor(0x4F, 0x74, 0x94), QColor(0x1F, 0x3F, 0x66));
    imgSito->setCapitals(false); // an address keeps its own letter case
    imgSito->setWordsPointSize(11);
    imgSito->setAccessibleDescription(QStringLiteral("Apre il sito web del produttore"));

    setTabOrder(btnCreazione, btnApertura);
    setTabOrder(btnApertura, btnClassifiche);
    setTabOrder(btnClassifiche, imgSito);

    connect(imgCreazione, &ImageButton::clicked, this, &TfrmAvvio::imgCreazioneClick);
    connect(btnCreazione, &ImageButton::clicked, this, &TfrmAvvio::imgCreazioneClick);
    connect(imgApertura, &ImageButton::clicked, this, &TfrmAvvio::imgAperturaClick);
    connect(btnApertura, &ImageButton::clicked, this, &TfrmAvvio::imgAperturaClick);
    connect(imgClassifiche, &ImageButton::clicked, this, &TfrmAvvio::imgClassificheClick);
    connect(btnClassifiche, &ImageButton::clicked, this, &TfrmAvvio::imgClassificheClick);
    connect(imgGuida, &ImageButton::clicked, this, &TfrmAvvio::imgGuidaClick);
    imgGuida->addShortcut(Qt::Key_F1);
    connect(imgInfo, &ImageButton::clicked, this, &TfrmAvvio::imgInfoClick);
    connect(imgCopyright, &ImageButton::clicked, this, &TfrmAvvio::imgCopyrightClick);
    connect(imgSito, &ImageButton::clicked, this, &TfrmAvvio::imgSitoClick);
    connect(imgEsci, &ImageButton::clicked, this, &TfrmAvvio::imgEsciClick);
}

void TfrmAvvio::imgCreazioneClick()
{
    app().frmCreaArchivio()->showWindow();
    hide();
}

void TfrmAvvio::imgAperturaClick()
{
    app().frmApriArchivio()->showWindow();
    hide();
}

void TfrmAvvio::imgClassificheClick()
{
    app().frmApriClassifica()->showWindow();
    hide();
}

void TfrmAvvio::imgGuidaClick()
{
    help::openTopic(app(), this, QStringLiteral("Uno sguardo a Sintarel"));
}

void TfrmAvvio::imgInfoClick()
{
    help::openInfo(app(), this);
}

void TfrmAvvio::imgCopyrightClick()
{
    help::openSplash(app(), this);
}

void TfrmAvvio::imgSitoClick()
{
    help::openWebSite(app());
}

void TfrmAvvio::imgEsciClick()
{
    app().quit();
}

void TfrmAvvio::FormClose()
{
    app().quit();
}
