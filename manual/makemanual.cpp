// Writes the user manual "Guida.pdf": a title page, a contents page and one
// chapter per help topic, with pictures of the program's own windows.
// Usage: sintarel_manual <output.pdf>

#include "screens.h"

#include "help/helptopics.h"
#include "help/maker.h"
#include "shell/SintarelApplication.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace
{

const QString kManualTitle = QStringLiteral("Guida all'utilizzo del software");
const QColor kBlue(0x1F, 0x3F, 0x66);
const QColor kGrey(0x66, 0x70, 0x7A);

struct Figure {
    QString picture;
    QString caption;
};

// A chapter: its topic, where its help is shown, and the pictures that follow
// some of its paragraphs.
struct Chapter {
    const helptopics::Topic *topic;
    QString shownBy;
    QMap<int, QList<Figure>> figuresAfter; // paragraph number -> figures
};

QList<Chapter> chapters()
{
    using helptopics::find;
    return {
        {find(helptopics::startTitle()),
         QStringLiteral("Questo argomento compare premendo l'icona della guida nella schermata di avvio."),
         {{2, {{QStringLiteral("avvio"), QStringLiteral("La schermata di avvio del programma.")}}},
          {17,
           {{QStringLiteral("login"),
             QStringLiteral("La finestra di accesso, che chiede la password all'avvio.")}}},
          {20,
           {{QStringLiteral("guida"),
             QStringLiteral("La finestra della guida in linea, aperta su questo argomento.")},
            {QStringLiteral("info"), QStringLiteral("La finestra delle informazioni sul programma.")},
            {QStringLiteral("splash"),
             QStringLiteral("La finestra di presentazione, con il sito del produttore.")}}}}},
        {find(helptopics::sessionTitle()),
         QStringLiteral(
             "Questo argomento compare premendo l'icona della guida nella finestra di creazione delle "
             "sessioni, nell'elenco delle sessioni e nella schermata di gestione della sessione."),
         {{3, {{QStringLiteral("crea"), QStringLiteral("La creazione di una nuova sessione d'esame.")}}},
          {5, {{QStringLiteral("elenco"), QStringLiteral("L'elenco delle sessioni d'esame create.")}}},
          {8,
           {{QStringLiteral("editor"),
             QStringLiteral("La schermata di gestione della sessione con la scheda di un candidato.")}}}}},
        {find(helptopics::rankingTitle()),
         QStringLiteral(
             "Questo argomento compare premendo l'icona della guida nella scelta della graduatoria, "
             "nella graduatoria alfabetica e nella graduatoria di merito."),
         {{14,
           {{QStringLiteral("selezione"),
             QStringLiteral("La scelta della sessione e del tipo di graduatoria.")},
            {QStringLiteral("merito"),
             QStringLiteral("La graduatoria di merito di una sessione d'esame.")}}}}},
        {find(helptopics::exportTitle()),
         QStringLiteral(
             "Questo argomento compare premendo l'icona della guida nella finestra di esportazione "
             "dell'archivio."),
         {{22,
           {{QStringLiteral("export"),
             QStringLiteral("La finestra di esportazione dell'archivio in Excel.")}}}}},
    };
}

QFont font(qreal points, bool bold = false, bool italic = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    // Any letter spacing turns ligatures off, so "fi" is copied out of the PDF
    // as two letters rather than one ligature sign.
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return f;
}

// The chapters as one flowing document, each chapter starting a new page.
// Returns the heading block of each chapter.
QList<QTextBlock> buildBody(QTextDocument &doc, const QMap<QString, QImage> &pictures, qreal widthPx96)
{
    QList<QTextBlock> headings;
    QTextCursor cursor(&doc);
    int figureNumber = 0;
    bool firstBlock = true;

    auto newBlock = [&](const QTextBlockFormat &format, const QTextCharFormat &chars) {
        if (firstBlock) {
            cursor.setBlockFormat(format);
            cursor.setBlockCharFormat(chars);
            firstBlock = false;
        } else {
            cursor.insertBlock(format, chars);
        }
    };

    QTextCharFormat body;
    body.setFont(font(11));
    QTextBlockFormat paragraph;
    paragraph.setAlignment(Qt::AlignJustify);
    paragraph.setBottomMargin(10);
    paragraph.setLineHeight(125, QTextBlockFormat::ProportionalHeight);

    int number = 0;
    for (const Chapter &chapter : chapters()) {
        if (!chapter.topic)
            continue;
        ++number;
        QTextBlockFormat heading;
        if (number > 1) // the first page of the body is already a new page
            heading.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        heading.setBottomMargin(4);
        QTextCharFormat small;
        small.setFont(font(11, true));
        small.setForeground(kGrey);
        newBlock(heading, small);
        cursor.insertText(QStringLiteral("Capitolo %1").arg(number));
        headings.append(cursor.block());

        QTextBlockFormat title;
        title.setBottomMargin(14);
        QTextCharFormat big;
        big.setFont(font(20, true));
        big.setForeground(kBlue);
        newBlock(title, big);
        cursor.insertText(chapter.topic->title);

        QTextBlockFormat intro = paragraph;
        intro.setBottomMargin(16);
        QTextCharFormat introChars;
        introChars.setFont(font(10, false, true));
        introChars.setForeground(kGrey);
        newBlock(intro, introChars);
        cursor.insertText(chapter.shownBy);

        QList<int> numbers;
        for (int n = chapter.topic->first; n <= chapter.topic->last; ++n)
            numbers.append(n);
        if (chapter.topic->added > 0)
            numbers.append(chapter.topic->added);
        for (const int n : numbers) {
            newBlock(paragraph, body);
            cursor.insertText(helptopics::paragraph(n));
            for (const Figure &figure : chapter.figuresAfter.value(n)) {
                const QImage image = pictures.value(figure.picture);
                if (image.isNull())
                    continue;
                ++figureNumber;
                const QString name = QStringLiteral("manual://%1").arg(figure.picture);
                doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
                // Wide windows across the text, dialogs at their own proportion.
                const qreal width = std::min(widthPx96, image.width() * 0.9);
                QTextBlockFormat centred;
                centred.setAlignment(Qt::AlignHCenter);
                centred.setTopMargin(6);
                centred.setNonBreakableLines(true);
                newBlock(centred, body);
                QTextImageFormat picture;
                picture.setName(name);
                picture.setWidth(width);
                picture.setHeight(width * image.height() / image.width());
                cursor.insertImage(picture);

                QTextBlockFormat caption = centred;
                caption.setTopMargin(4);
                caption.setBottomMargin(16);
                QTextCharFormat captionChars;
                captionChars.setFont(font(9.5, false, true));
                captionChars.setForeground(kGrey);
                newBlock(caption, captionChars);
                cursor.insertText(QStringLiteral("Figura %1. %2").arg(figureNumber).arg(figure.caption));
            }
        }
    }
    return headings;
}

class ManualWriter
{
public:
    explicit ManualWriter(const QString &path) : m_writer(path)
    {
        m_writer.setResolution(300);
        m_writer.setPageSize(QPageSize(QPageSize::A4));
        m_writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        m_writer.setTitle(QStringLiteral("Sintarel - ") + kManualTitle);
        m_writer.setCreator(QStringLiteral("Sintarel"));
        m_page = QRectF(0, 0, m_writer.width(), m_writer.height());
        const qreal mm = m_writer.resolution() / 25.4;
        m_body = m_page.adjusted(22 * mm, 25 * mm, -22 * mm, -25 * mm);
    }

    bool write(const QMap<QString, QImage> &pictures)
    {
        QTextDocument doc;
        doc.documentLayout()->setPaintDevice(&m_writer);
        doc.setDocumentMargin(0);
        doc.setPageSize(m_body.size());
        doc.setDefaultFont(font(11));
        const QList<QTextBlock> headings =
            buildBody(doc, pictures, m_body.width() * 96.0 / m_writer.resolution());
        const int bodyPages = doc.pageCount();
        const int total = 2 + bodyPages;

        QPainter p;
        if (!p.begin(&m_writer))
            return false;
        titlePage(p);
        m_writer.newPage();
        contentsPage(p, doc, headings, total);
        for (int i = 0; i < bodyPages; ++i) {
            m_writer.newPage();
            p.save();
            p.translate(m_body.topLeft());
            p.translate(0, -i * m_body.height());
            // A hair short of the page: the first row of a picture pushed to the
            // next page would otherwise show at the foot of this one.
            doc.drawContents(&p, QRectF(0, i * m_body.height(), m_body.width(), m_body.height() - 2));
            p.restore();
            furniture(p, 3 + i, total);
        }
        return p.end();
    }

private:
    qreal mm(qreal v) const { return v * m_writer.resolution() / 25.4; }

    void text(QPainter &p, const QRectF &r, const QFont &f, const QColor &c, const QString &s,
              int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap)
    {
        p.setFont(f);
        p.setPen(c);
        p.drawText(r, flags, s);
    }

    void titlePage(QPainter &p)
    {
        const QRectF band(0, mm(70), m_page.width(), mm(52));
        p.fillRect(band, QColor(0xEE, 0xF4, 0xFA));
        QSvgRenderer banner(QStringLiteral(":/pictures/help_banner.svg"));
        if (banner.isValid()) {
            const qreal w = mm(150);
            banner.render(&p, QRectF((m_page.width() - w) / 2, mm(75), w, w * 90 / 630));
        }
        text(p, QRectF(m_body.left(), mm(140), m_body.width(), mm(20)), font(26, true), kBlue, kManualTitle);
        text(p, QRectF(m_body.left(), mm(160), m_body.width(), mm(30)), font(13), kGrey,
             QStringLiteral(
                 "Gestione dei candidati e delle sessioni d'esame,\nstampa delle graduatorie finali"));
        text(p, QRectF(m_body.left(), mm(230), m_body.width(), mm(40)), font(11), kGrey,
             QStringLiteral("Versione %1\n%2\n%3\n%4")
                 .arg(maker::version(), maker::name(), maker::webAddressShown(), maker::emailAddress()));
    }

    void contentsPage(QPainter &p, QTextDocument &doc, const QList<QTextBlock> &headings, int total)
    {
        text(p, QRectF(m_body.left(), m_body.top(), m_body.width(), mm(14)), font(20, true), kBlue,
             QStringLiteral("Indice"), Qt::AlignLeft | Qt::AlignTop);
        qreal y = m_body.top() + mm(22);
        const QList<Chapter> all = chapters();
        int number = 0;
        for (int i = 0; i < headings.size(); ++i) {
            const qreal top = doc.documentLayout()->blockBoundingRect(headings[i]).top();
            const int page = 3 + int(top / m_body.height());
            const QString title = headings[i].next().text();
            ++number;
            const QRectF line(m_body.left(), y, m_body.width(), mm(9));
            text(p, line, font(12), Qt::black, QStringLiteral("%1.  %2").arg(number).arg(title),
                 Qt::AlignLeft | Qt::AlignVCenter);
            text(p, line, font(12), Qt::black, QString::number(page), Qt::AlignRight | Qt::AlignVCenter);
            y += mm(11);
        }
        y += mm(10);
        text(p, QRectF(m_body.left(), y, m_body.width(), mm(60)), font(10.5), kGrey,
             QStringLiteral(
                 "Ogni capitolo riporta il testo di un argomento della guida in linea, lo stesso che "
                 "il programma mostra premendo l'icona della guida nelle sue finestre, accompagnato "
                 "dalle immagini delle schermate principali. Questo documento si trova nella "
                 "cartella del programma con il nome Guida.pdf e si apre anche dalla finestra della "
                 "guida, con il collegamento \"Visualizza guida in formato PDF\"."),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        furniture(p, 2, total);
    }

    // Running head and page number.
    void furniture(QPainter &p, int page, int total)
    {
        const QRectF head(m_body.left(), mm(12), m_body.width(), mm(8));
        text(p, head, font(8.5), kGrey, QStringLiteral("Sintarel - ") + kManualTitle,
             Qt::AlignLeft | Qt::AlignBottom);
        p.setPen(QPen(QColor(0xBF, 0xD8, 0xEF), mm(0.4)));
        p.drawLine(QPointF(m_body.left(), mm(21)), QPointF(m_body.right(), mm(21)));
        const QRectF foot(m_body.left(), m_page.height() - mm(18), m_body.width(), mm(8));
        text(p, foot, font(9), kGrey, QStringLiteral("Pagina %1 di %2").arg(page).arg(total),
             Qt::AlignHCenter | Qt::AlignVCenter);
    }

    QPdfWriter m_writer;
    QRectF m_page;
    QRectF m_body;
};

// The offscreen screen is 800 pixels square unless told otherwise: windows
// that fill the screen would be pictured cut. Give them a desktop's screen.
std::unique_ptr<QTemporaryFile> largerOffscreenScreen()
{
    if (qgetenv("QT_QPA_PLATFORM") != "offscreen")
        return nullptr;
    auto config =
        std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/sintarel_screen_XXXXXX.json"));
    if (!config->open())
        return nullptr;
    config->write(R"({"windowFrameMargins": false, "screens": [{"name": "manual", "x": 0, "y": 0,)"
                  R"( "width": 1280, "height": 1024, "logicalDpi": 96, "dpr": 1}]})");
    config->flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config->fileName()));
    return config;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QTemporaryFile> screenConfig = largerOffscreenScreen();
    SintarelApplication application(argc, argv);

    // The pictures are taken by a second run of this program, so a window that
    // crashes or waits for a user costs the pictures not yet taken, never the
    // manual.
    if (argc == 3 && qstrcmp(argv[1], "--pictures") == 0) {
        screens::grabAll(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: sintarel_manual <output.pdf>\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);

    QTemporaryDir pictureFolder;
    if (pictureFolder.isValid()) {
        QProcess pictures;
        pictures.setProcessChannelMode(QProcess::ForwardedChannels);
        pictures.start(QCoreApplication::applicationFilePath(),
                       {QStringLiteral("--pictures"), pictureFolder.path()});
        if (!pictures.waitForFinished(180000)) {
            std::fprintf(stderr, "manual: taking the pictures took too long\n");
            pictures.kill();
            pictures.waitForFinished();
        } else if (pictures.exitStatus() != QProcess::NormalExit || pictures.exitCode() != 0) {
            std::fprintf(stderr, "manual: taking the pictures stopped part way\n");
        }
    }
    const QMap<QString, QImage> pictures = screens::load(pictureFolder.path());

    const QString partial = output + QStringLiteral(".part");
    {
        ManualWriter writer(partial);
        if (!writer.write(pictures)) {
            std::fprintf(stderr, "manual: cannot write %s\n", qPrintable(partial));
            return 1;
        }
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        std::fprintf(stderr, "manual: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::fprintf(stderr, "manual: %s written with %d pictures\n", qPrintable(output), int(pictures.size()));
    return 0;
}
