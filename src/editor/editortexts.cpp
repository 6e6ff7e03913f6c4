#include "editor/editortexts.h"

namespace editortexts
{

QList<QPair<QString, QString>> statusTexts()
{
    return {
        {QStringLiteral("cmdNuovo"),
         QStringLiteral("Prepara la schermata per l'inserimento di una nuova scheda.")},
        {QStringLiteral("cmdSalva"), QStringLiteral("Salva la scheda corrente in archivio.")},
        {QStringLiteral("cmdTrova"), QStringLiteral("Trova una scheda in archivio.")},
        {QStringLiteral("cmdAnteprima"),
         QStringLiteral("Visualizza l'anteprima di stampa della scheda corrente.")},
        {QStringLiteral("cmdStampa"), QStringLiteral("Stampa la scheda corrente.")},
        {QStringLiteral("cmdPrimo"), QStringLiteral("Visualizza la prima scheda in archivio.")},
        {QStringLiteral("cmdIndietro"), QStringLiteral("Visualizza la scheda precedente in archivio.")},
        {QStringLiteral("cmdAvanti"), QStringLiteral("Visualizza la scheda successiva in archivio.")},
        {QStringLiteral("cmdUltimo"), QStringLiteral("Visualizza l'ultima scheda in archivio.")},
        {QStringLiteral("cmdExcel"),
         QStringLiteral("Esporta le schede in archivio in un file di Microsoft Excel.")},
        {QStringLiteral("cmdNonPagati"),
         QStringLiteral("Visualizza l'elenco dei candidati che hanno ottenuto l'idoneità.")},
        {QStringLiteral("cmdGuida"),
         QStringLiteral("Visualizza la pagina della guida in linea sensibile al contesto.")},
        {QStringLiteral("cmdEsci"), QStringLiteral("Esci da questa schermata di lavoro.")},
        {QStringLiteral("btnEmail"), QStringLiteral("Verifica codice fiscale.")},
        {QStringLiteral("btnCalcolatrice"), QStringLiteral("Apri calcolatrice.")},
        {QStringLiteral("chkCompletato"),
         QStringLiteral("Spunta questa casella per annotare che il candidato è risultato idoneo.")},
    };
}

QList<QPair<QString, QKeySequence>> shortcuts()
{
    // No plain navigation key: PgUp / PgDn belong to the memo, Home / End to the fields.
    return {
        {QStringLiteral("cmdNuovo"), QKeySequence(Qt::CTRL | Qt::Key_N)},
        {QStringLiteral("cmdSalva"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {QStringLiteral("cmdTrova"), QKeySequence(Qt::CTRL | Qt::Key_F)},
        {QStringLiteral("cmdStampa"), QKeySequence(Qt::CTRL | Qt::Key_P)},
        {QStringLiteral("cmdPrimo"), QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {QStringLiteral("cmdIndietro"), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
        {QStringLiteral("cmdAvanti"), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
        {QStringLiteral("cmdUltimo"), QKeySequence(Qt::CTRL | Qt::Key_End)},
        {QStringLiteral("cmdGuida"), QKeySequence(Qt::Key_F1)},
    };
}

QString tooltip(const QString &statusText, const QKeySequence &keys)
{
    return statusText + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + u')';
}

} // namespace editortexts
