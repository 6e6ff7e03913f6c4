#include "screens.h"

#include "archive/record.h"
#include "archive/sessionfile.h"
#include "common/Messages.h"
#include "common/clock.h"
#include "common/desktopshell.h"
#include "help/Guida.h"
#include "help/Info.h"
#include "help/Splash.h"
#include "help/helptopics.h"
#include "shell/AppContext.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <functional>
#include <memory>

namespace
{

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// No message box may stop an unattended build: each is noted and answered No.
class QuietMessages : public Messages
{
public:
    bool show(Kind, const QString &text, QWidget *) override
    {
        err() << "manual: message while taking pictures: " << text << Qt::endl;
        return false;
    }
};

class NoDesktop : public DesktopShell
{
public:
    void open(const QUrl &) override {}
};

class ManualClock : public Clock
{
public:
    QDate today() const override { return QDate(2026, 6, 15); }
    QDateTime now() const override { return QDateTime(today(), QTime(10, 30)); }
};

struct Candidate {
    const char *name;
    const char *code;
    const char *from;
    const char *details;
    const char *score;
    const char *notes;
    bool eligible;
};

// Invented people for the sample sessions.
const Candidate kCandidates[] = {
    {"Bianchi Laura", "BNCLRA90C41F205X", "Milano",
     "Prova scritta: 28/30. Colloquio: contabilità pubblica, ottima esposizione.", "92,50",
     "Disponibile da settembre.", true},
    {"Esposito Marco", "SPSMRC88H12F839K", "Napoli",
     "Prova scritta: 24/30. Colloquio: diritto amministrativo.", "78,00", "", true},
    {"Ferrari Giulia", "FRRGLI92E55A944T", "Bologna",
     "Prova scritta: 26/30. Colloquio: gestione documentale e protocollo.", "85,25", "Ottime referenze.",
     true},
    {"Romano Andrea", "RMNNDR85T03H501M", "Roma", "Prova scritta: 17/30.", "54,00", "Da riconvocare.", false},
    {"Colombo Sara", "CLMSRA94A62L219P", "Torino", "Prova scritta: 27/30. Colloquio: informatica di base.",
     "88,75", "", true},
    {"Ricci Davide", "RCCDVD91M20G273W", "Palermo", "Prova scritta: 21/30. Colloquio: lingua inglese.",
     "69,50", "", true},
    {"Marino Chiara", "MRNCHR87P48D612Z", "Firenze", "Prova scritta: 19/30.", "58,00", "", false},
    {"Greco Luca", "GRCLCU93S07L736B", "Venezia",
     "Prova scritta: 29/30. Colloquio: organizzazione degli uffici.", "95,00", "Primo classificato.", true},
};

void writeSession(const QString &path, int count)
{
    SessionFile file(path);
    for (int i = 0; i < count; ++i) {
        const Candidate &c = kCandidates[i];
        TScheda r = TScheda::blank();
        r.setText(TScheda::Field::Concorrente, QString::fromUtf8(c.name));
        r.setText(TScheda::Field::Responsabile, QString::fromUtf8(c.code));
        r.setText(TScheda::Field::Telefono, QString::fromUtf8(c.from));
        r.setText(TScheda::Field::Email, QStringLiteral("15/06/2026"));
        r.setText(TScheda::Field::Gare, QString::fromUtf8(c.details));
        r.setText(TScheda::Field::Punteggio, QString::fromUtf8(c.score));
        r.setText(TScheda::Field::Note, QString::fromUtf8(c.notes));
        r.setEligible(c.eligible);
        file.append(r);
    }
    file.close();
}

QWidget *topLevel(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// A window that fills the screen is pictured around its content panel, with
// a strip of its background, so the picture isn't mostly background.
QImage picture(QWidget *w)
{
    const QImage whole = w->grab().toImage();
    const auto *panel = w->findChild<QWidget *>(QStringLiteral("panContenuto"), Qt::FindDirectChildrenOnly);
    if (!panel)
        return whole;
    const QRect around = panel->geometry().adjusted(-16, -16, 16, 16).intersected(whole.rect());
    return around.isValid() ? whole.copy(around) : whole;
}

// Takes pictures of modal windows: a window some click opens modally is
// pictured under the name given for it, then closed; a modal window nobody
// asked for is closed so nothing waits for a user.
class ModalCatcher : public QObject
{
public:
    ModalCatcher()
    {
        m_timer.setInterval(30);
        connect(&m_timer, &QTimer::timeout, this, &ModalCatcher::sweep);
        m_timer.start();
    }

    // Runs trigger; the first modal window it opens is pictured.
    QImage catchModal(const std::function<void()> &trigger)
    {
        m_wanted = true;
        m_caught = QImage();
        trigger();
        m_wanted = false;
        return m_caught;
    }

private:
    void sweep()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            return;
        if (m_wanted) {
            settle();
            m_caught = picture(w);
            m_wanted = false;
        } else {
            err() << "manual: closing window " << w->objectName() << Qt::endl;
        }
        w->close();
        if (w->isVisible())
            w->hide();
    }

    QTimer m_timer;
    bool m_wanted = false;
    QImage m_caught;
};

QImage grabShown(QWidget *w)
{
    if (!w)
        return QImage();
    w->show();
    settle();
    QImage image = picture(w);
    w->hide();
    settle();
    return image;
}

// Runs one picture's steps; a failure leaves that picture out.
void attempt(const QString &folder, const QString &name, const std::function<QImage()> &take)
{
    try {
        const QImage image = take();
        if (image.isNull() || image.width() < 50)
            err() << "manual: no picture of " << name << Qt::endl;
        else
            image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
    } catch (const std::exception &e) {
        err() << "manual: no picture of " << name << ": " << e.what() << Qt::endl;
    } catch (...) {
        err() << "manual: no picture of " << name << Qt::endl;
    }
}

template <typename T> T *child(QWidget *w, const char *name)
{
    return w ? w->findChild<T *>(QLatin1String(name)) : nullptr;
}

void click(QWidget *w, const char *name)
{
    if (auto *b = child<QAbstractButton>(w, name))
        b->click();
}

// Selects the list entry that begins with text (the first entry if none does).
void select(QAbstractItemView *view, const QString &text)
{
    if (!view || !view->model() || view->model()->rowCount() == 0)
        return;
    QModelIndex chosen = view->model()->index(0, 0);
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        const QModelIndex i = view->model()->index(row, 0);
        if (i.data().toString().startsWith(text)) {
            chosen = i;
            break;
        }
    }
    view->setCurrentIndex(chosen);
    if (view->selectionModel())
        view->selectionModel()->select(chosen, QItemSelectionModel::ClearAndSelect);
}

} // namespace

namespace screens
{

QMap<QString, QImage> load(const QString &folder)
{
    QMap<QString, QImage> pictures;
    const QDir dir(folder);
    for (const QString &file : dir.entryList({QStringLiteral("*.png")}, QDir::Files)) {
        const QImage image(dir.filePath(file));
        if (!image.isNull())
            pictures.insert(QFileInfo(file).completeBaseName(), image);
    }
    return pictures;
}

void grabAll(const QString &pictures)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString sessionName = QStringLiteral("Concorso impiegati amministrativi 2026");
    const QString sessionPath = folder + sessionName + QStringLiteral(".vai");
    try {
        writeSession(sessionPath, int(std::size(kCandidates)));
        writeSession(folder + QStringLiteral("Esami di qualifica giugno 2026.vai"), 3);
    } catch (const std::exception &e) {
        err() << "manual: sample sessions: " << e.what() << Qt::endl;
    }

    AppServices services;
    services.programFolder = folder;
    services.messages = std::make_unique<QuietMessages>();
    services.shell = std::make_unique<NoDesktop>();
    services.clock = std::make_unique<ManualClock>();
    std::unique_ptr<AppContext> app;
    try {
        app = std::make_unique<AppContext>(std::move(services));
    } catch (const std::exception &e) {
        err() << "manual: the program's windows could not be created: " << e.what() << Qt::endl;
        return;
    }
    ModalCatcher catcher;

    attempt(pictures, QStringLiteral("login"), [] { return grabShown(topLevel("frmPassword")); });
    attempt(pictures, QStringLiteral("avvio"), [] { return grabShown(topLevel("frmAvvio")); });
    attempt(pictures, QStringLiteral("crea"), [] { return grabShown(topLevel("frmCreaArchivio")); });
    attempt(pictures, QStringLiteral("elenco"), [&] {
        QWidget *w = topLevel("frmApriArchivio");
        if (!w)
            return QImage();
        w->show();
        settle();
        select(child<QAbstractItemView>(w, "lstFiles"), sessionName);
        return grabShown(w);
    });

    // The editor on the last candidate of the sample session, and the export
    // window its Excel button opens.
    QWidget *editor = topLevel("frmTorneo");
    attempt(pictures, QStringLiteral("editor"), [&] {
        if (!editor)
            return QImage();
        if (auto *l = child<QLabel>(editor, "lblFile"))
            l->setText(sessionPath);
        if (auto *l = child<QLabel>(editor, "lblNome"))
            l->setText(sessionName);
        editor->show();
        settle();
        click(editor, "cmdUltimo");
        return grabShown(editor);
    });
    attempt(pictures, QStringLiteral("export"), [&] {
        if (!editor)
            return QImage();
        editor->show();
        settle();
        QImage image = catcher.catchModal([&] { click(editor, "cmdExcel"); });
        editor->hide();
        return image;
    });

    // The ranking selection with the sample session chosen, and its merit ranking.
    QWidget *selection = topLevel("frmApriClassifica");
    attempt(pictures, QStringLiteral("selezione"), [&] {
        if (!selection)
            return QImage();
        selection->show();
        settle();
        select(child<QAbstractItemView>(selection, "lstFiles"), sessionName);
        return grabShown(selection);
    });
    attempt(pictures, QStringLiteral("merito"), [&] {
        if (!selection)
            return QImage();
        selection->show();
        settle();
        select(child<QAbstractItemView>(selection, "lstFiles"), sessionName);
        QImage image = catcher.catchModal([&] { click(selection, "btnExcel"); });
        selection->hide();
        return image;
    });

    attempt(pictures, QStringLiteral("guida"), [&] {
        TfrmGuida frmGuida(*app);
        const helptopics::Topic &topic = helptopics::topics().first();
        frmGuida.showTopic(topic.title, helptopics::text(topic));
        return grabShown(&frmGuida);
    });
    attempt(pictures, QStringLiteral("info"), [&] {
        TfrmInfo frmInfo(*app);
        return grabShown(&frmInfo);
    });
    attempt(pictures, QStringLiteral("splash"), [&] {
        TfrmSplash frmSplash(*app);
        return grabShown(&frmSplash);
    });
}

} // namespace screens
