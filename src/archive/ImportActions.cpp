#include "archive/ImportActions.h"

#include "archive/ImportaCandidati.h"
#include "archive/csvimport.h"
#include "archive/sessionfile.h"
#include "common/BusyCursor.h"
#include "common/FileDialogs.h"
#include "common/Messages.h"
#include "editor/editortexts.h"
#include "shell/AppContext.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace importing
{

void importCandidates(AppContext &app, QWidget *parent, const QString &sessionPath, const QString &session)
{
    const QString csvPath =
        filedialogs::openFile(parent, QStringLiteral("Importa candidati"), filedialogs::documentsFolder(),
                              QStringLiteral("File CSV (*.csv *.txt)"));
    if (csvPath.isEmpty())
        return;
    Messages &messages = app.messages();

    csvimport::Reading reading;
    {
        QFile file(csvPath);
        if (!file.open(QIODevice::ReadOnly)) {
            messages.warning(parent, QStringLiteral("Attenzione: impossibile leggere il file %1.\r\n\r\n%2")
                                         .arg(QDir::toNativeSeparators(csvPath), file.errorString()));
            return;
        }
        const BusyCursor busy;
        reading = csvimport::read(file.readAll(), app.clock().today());
    }
    if (!reading.refusal.isEmpty()) {
        messages.warning(parent, reading.refusal);
        return;
    }

    auto preview = std::make_unique<TfrmImportaCandidati>(app, parent, reading, csvPath, session);
    if (preview->exec() != QDialog::Accepted || !reading.importable())
        return;
    preview.reset();

    csvimport::Appended appended;
    try {
        const BusyCursor busy;
        appended = csvimport::appendAll(sessionPath, reading.records, app.clock().now());
    } catch (const SessionError &) {
        messages.error(
            parent,
            QStringLiteral("Attenzione: non è stato possibile scrivere nell'archivio: nessuna scheda è "
                           "stata importata nella sessione %1.\r\n\r\nAccertarsi di possedere i "
                           "privilegi di scrittura nella cartella di installazione del programma.")
                .arg(session));
        return;
    }
    QString done = QStringLiteral("Sono state importate %1 schede nella sessione %2.")
                       .arg(reading.records.size())
                       .arg(session);
    // The session list has no status line: the safety nets' warnings join the confirmation.
    if (appended.backupFailed)
        done += QStringLiteral("\r\n\r\n") + editortexts::kBackupFailed;
    if (appended.logFailed)
        done += QStringLiteral("\r\n\r\n") + editortexts::kLogFailed;
    messages.information(parent, done);
}

} // namespace importing
