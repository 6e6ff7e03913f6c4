#pragma once

#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QString>

// The session editor's own texts: captions, messages and status-line texts.
namespace editortexts
{

inline const QString kCaption = QStringLiteral(" Sintarel - Gestione sessione");
inline const QString kHelpTopic = QStringLiteral("Gestione sessioni d'esame");
inline const QString kStatusReady = QStringLiteral("Pronto per archiviare una nuova scheda...");

inline const QString kCaptionConcorrente = QStringLiteral("Candidato:");
inline const QString kCaptionResponsabile = QStringLiteral("Codice fiscale:");
inline const QString kCaptionTelefono = QStringLiteral("Provenienza:");
inline const QString kCaptionEmail = QStringLiteral("Data esame:");
inline const QString kCaptionPunteggio = QStringLiteral("Punteggio totale:");
inline const QString kCaptionNote = QStringLiteral("Note:");
inline const QString kCaptionCompletato = QStringLiteral("Idoneo");
// The exam details have a banner, not a caption; the change log names them so.
inline const QString kCaptionGare = QStringLiteral("Prove sostenute");

// Words under the toolbar pictures (also the buttons' accessible names).
inline const QString kWordsNuovo = QStringLiteral("Nuova");
inline const QString kWordsSalva = QStringLiteral("Salva");
inline const QString kWordsTrova = QStringLiteral("Trova");
inline const QString kWordsAnteprima = QStringLiteral("Anteprima");
inline const QString kWordsStampa = QStringLiteral("Stampa");
inline const QString kWordsPrimo = QStringLiteral("Prima");
inline const QString kWordsIndietro = QStringLiteral("Indietro");
inline const QString kWordsAvanti = QStringLiteral("Avanti");
inline const QString kWordsUltimo = QStringLiteral("Ultima");
inline const QString kWordsExcel = QStringLiteral("Excel");
inline const QString kWordsNonPagati = QStringLiteral("Idonei");
inline const QString kWordsGuida = QStringLiteral("Guida");
inline const QString kWordsEsci = QStringLiteral("Esci");

inline const QString kMissingName =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del candidato.");
inline const QString kMissingDate =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data dell'esame.");
inline const QString kMissingScore = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il punteggio totale ottenuto dal candidato.");
inline const QString kSavedChanges =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kSavedNew = QStringLiteral("La scheda corrente è stata inserita in archivio.");
inline const QString kEmptySession = QStringLiteral("L'archivio non contiene nessuna scheda.");
// Joined by LF CR LF CR, line feed first.
inline const QString kAccessFailure =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                   "programma.");

inline const QString kUnsavedChanges =
    QStringLiteral("La scheda corrente contiene modifiche non salvate. Salvarle prima di proseguire?");
// Status-line warnings after a save that stored the record all the same.
inline const QString kBackupFailed = QStringLiteral("Attenzione: copia di sicurezza non riuscita.");
inline const QString kLogFailed = QStringLiteral("Attenzione: registrazione delle modifiche non riuscita.");

// Control name and the description the status line shows while pointing at it.
QList<QPair<QString, QString>> statusTexts();

// The editor's keyboard shortcuts: the toolbar button each one presses.
QList<QPair<QString, QKeySequence>> shortcuts();

// A button's tooltip: its status text, then its shortcut in brackets.
QString tooltip(const QString &statusText, const QKeySequence &keys);

} // namespace editortexts
