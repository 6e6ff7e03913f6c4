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

} // namespace editortexts
