#include "help/helptopics.h"

#include <QStringList>

namespace helptopics
{

namespace
{

const QStringList &allParagraphs()
{
    static const QStringList paragraphs = {
        // 1
        QStringLiteral(
            "Sintarel è un software facile e intuitivo studiato per la stampa delle graduatorie di esami o "
            "concorsi di ogni genere e per la registrazione delle prove sostenute dai candidati con i "
            "relativi punteggi conseguiti. L'app è utile alle scuole private o alle aziende che necessitano "
            "di valutare i candidati o concorrenti con giusto criterio, attribuendo un punteggio a ciascuno "
            "studente esaminato o aspirante al posto di lavoro. Il software può inoltre essere usato per "
            "determinare chi, in un ambiente lavorativo, ha diritto a una promozione o a una qualsiasi forma "
            "di ricompensa sulla base di un punteggio stabilito da una valutazione interna. Infine, il "
            "programma può essere idoneo a registrare i risultati delle competizioni agonistiche per "
            "determinare il vincitore di una gara o torneo."),
        // 2
        QStringLiteral(
            "Sintarel permette di gestire un numero illimitato di sessioni di esami. E' possibile "
            "visualizzare e stampare la graduatoria di ogni sessione ordinata alfabeticamente o in base al "
            "punteggio totale conseguito da ogni candidato, dal più alto al più basso."),
        // 3
        QStringLiteral(
            "Il pulsante Crea nuova sessione dà accesso ad una schermata che permette di creare un numero "
            "illimitato di archivi in cui memorizzare le sessioni degli esami. Per generare un nuovo "
            "archivio, bisogna indicare il nome della sessione per esteso nell'apposito campo di testo e "
            "confermare l'operazione servendosi del pulsante in calce. Quando si crea una nuovo archivio si "
            "genera un database nella cartella del programma caratterizzato dall'estensione VAI."),
        // 4
        QStringLiteral("Ogni archivio potrà contenere un numero illimitato di schede, una per ogni candidato "
                       "valutato nella sessione d'esame con le relative prove sostenute. Per individuare la "
                       "sessione creata senza possibilità di errore, è buona norma assegnarle un nome il più "
                       "possibile indicativo utilizzando parole chiave che suggeriscano, ad esempio, la "
                       "tipologia di esami e il periodo in cui hanno avuto luogo."),
        // 5
        QStringLiteral("Una volta indicato il nome della sessione nel campo di testo, l'utente dovrà "
                       "confermare l'operazione premendo il pulsante Applica e chiudi. A questo punto, si "
                       "tornerà nella finestra di partenza del programma dove si potrà fare clic sul "
                       "pulsante Apri sessione esistente per visualizzare un elenco di selezione contenente "
                       "tutte le sessioni di esame create. Fatto ciò, basterà fare clic sul nome della "
                       "sessione in elenco che si intende gestire e premere il pulsante Apri archivio."),
        // 6
        QStringLiteral(
            "L'icona del cestino consente di eliminare la sessione d'esame selezionata. Questa funzione va "
            "utilizzata con molta cautela dal momento che un archivio eliminato non può essere recuperato."),
        // 7
        QStringLiteral("Per compilare una nuova scheda, bisogna fare clic sul pulsante Nuovo, compilare i "
                       "campi di testo e premere Salva. Si tenga presente che i campi riguardanti il nome "
                       "del candidato, la data dell'esame e il punteggio totale attribuito allo stesso "
                       "candidato sono a compilazione obbligatoria."),
        // 8
        QStringLiteral(
            "La scheda di ogni candidato esaminato può essere visualizzata a schermo o stampata su carta. I "
            "dati da indicare in ciascuna scheda riguardano il nome del candidato, il suo codice fiscale, la "
            "sua provenienza, la data dell'esame, i dettagli dell'esame svolto (ad esempio, le domande fatte "
            "al candidato e i voti attribuiti dal presidente e dagli altri membri di commissione), il "
            "punteggio totalizzato dal candidato e ogni ulteriore annotazione."),
        // 9
        QStringLiteral(
            "Il pulsante Trova consente di effettuare una ricerca fra i candidati esaminati nella sessione e "
            "di richiamare la scheda di proprio interesse con un doppio clic. E' possibile effettuare "
            "ricerche in archivio anche utilizzando più filtri contemporaneamente. Ciò consente, ad esempio, "
            "di ottenere l'elenco di tutti i candidati con uguale provenienza, di quelli a cui è stata "
            "rivolta una certa domanda oppure di quelli nella cui scheda è stata inserita una specifica "
            "parola nel campo delle note."),
        // 10
        QStringLiteral("Per aggiornare il punteggio di un candidato, bisogna visualizzare la relativa scheda "
                       "nella schermata di lavoro usando le frecce di scorrimento dei record o la funzione "
                       "di ricerca, apportare le modifiche desiderate nei campi di testo e premere Salva."),
        // 11
        QStringLiteral("La casella Idoneo va spuntata per annotare che il candidato ha sostenuto l'esame "
                       "ottenendo l'idoneità o promozione. Il pulsante con l'icona del visto consente di "
                       "visualizzare e stampare l'elenco di tutti i candidati idonei."),
        // 12
        QStringLiteral("Appositi pulsanti consentono di visualizzare l'anteprima della scheda del candidato "
                       "aperta al momento o stamparla su carta."),
        // 13
        QStringLiteral(
            "E' inoltre possibile esportare le schede della sessione d'esame in un foglio di Microsoft Excel "
            "per poterlo condividere con chi non possiede lo stesso programma. L'esportazione riguarderà "
            "tutti i dati presenti in ciascuna scheda ad eccezione dei dettagli degli esami. Il foglio di "
            "Excel generato potrà essere aperto con qualsiasi software che gestisca i file XLS (ad esempio, "
            "con Open Office, Libre Office o Microsoft Office)."),
        // 14
        QStringLiteral(
            "Il pulsante Visualizza graduatorie presente nella finestra di avvio del programma permette di "
            "accedere ad un ambiente predisposto per la visualizzazione e la stampa della graduatoria "
            "relativa a ciascuna sessione d'esame. In tale ambiente bisogna selezionare dall'elenco il nome "
            "della sessione d'esame di interesse e premere il pulsante Graduatoria di merito per "
            "visualizzare la relativa graduatoria ordinata in base al punteggio conseguito da ciascun "
            "candidato. Nella graduatoria di merito i nomi dei candidati sono preceduti dal numero di "
            "posizione in graduatoria. Premendo il pulsante Graduatoria alfabetica, si ottiene, invece, la "
            "graduatoria ordinata alfabeticamente in base ai nomi dei candidati."),
        // 15
        QStringLiteral("In calce alla graduatoria è indicato il numero totale dei candidati esaminati."),
        // 16
        QStringLiteral("La stampa della graduatoria è fatta su fogli in formato A4 con orientamento "
                       "orizzontale. In cima alla prima pagina viene stampato il nome della sessione d'esame "
                       "seguito dall'elenco dei candidati partecipanti. Oltre al nome di ciascun candidato, "
                       "nella classifica sono indicati il suo codice fiscale, le note associate al medesimo "
                       "candidato e il punteggio totale da lui conseguito. In calce alla graduatoria compare "
                       "la data e l'ora in cui la stampa è stata eseguita."),
        // 17: the initial password between double quotes
        QStringLiteral("L'accesso al software è protetto da una password aggiornabile dall'utente che può "
                       "essere cambiata tutte le volte che si desidera. Per il primo accesso al programma, "
                       "bisogna utilizzare la parola chiave ") +
            QLatin1Char('"') + QStringLiteral("pomodorigialli") + QLatin1Char('"') +
            QStringLiteral(" (scritta senza le virgolette)."),
        // 18
        QStringLiteral("Sintarel può essere utilizzato anche su chiavetta USB. A tal fine, basta copiare la "
                       "cartella del programma su pen-drive e fare doppio clic sull'icona dell'applicazione "
                       "per eseguirla. La copia della cartella su dispositivo esterno è anche il metodo più "
                       "veloce per effettuare il backup di tutti gli archivi."),
        // 19
        QStringLiteral("Il software può essere utilizzato anche in una rete locale se si ha necessità di "
                       "condividere gli archivi fra più postazioni di lavoro."),
        // 20
        QStringLiteral(
            "Sintarel è quindi un pratico strumento che viene incontro a quelle scuole o aziende private in "
            "cerca di un'app veloce e funzionale per tenere traccia di tutte le sessioni d'esame tenute, al "
            "fine di redigere le relative graduatorie dei candidati. L'utente resterà piacevolmente sorpreso "
            "nel constatare come il software richieda tempi di apprendimento praticamente nulli."),
        // 21
        QStringLiteral(
            "Il pulsante Esporta archivio consente di esportare l'archivio dei candidati esaminati in un "
            "foglio di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
            "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
        // 22
        QStringLiteral("Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic "
                       "sull'icona di Excel. Questa operazione crea in tempo reale un file in formato XLS "
                       "contenente le schede in archivio, che potrà essere aperto immediatamente rispondendo "
                       "affermativamente al messaggio di domanda che appare."),
        // 23
        QStringLiteral("A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli "
                       "un nome qualsiasi."),
        // 24
        QStringLiteral(
            "I pulsanti Salva XLSX e Salva CSV salvano le righe della griglia in una cartella di "
            "lavoro XLSX o in un file CSV. Il pulsante Importa candidati dell'elenco delle sessioni "
            "aggiunge alla sessione selezionata, dopo un'anteprima, i candidati di un file CSV."),
        // 25: shown at the end of the rankings topic
        QStringLiteral(
            "Sotto l'elenco delle sessioni, tre caselle regolano le graduatorie. Con \"A parità di punteggio "
            "precede il candidato più giovane\" i candidati con lo stesso punteggio sono ordinati dal più "
            "giovane al più anziano, secondo la data di nascita ricavata dal codice fiscale; chi non ha un "
            "codice fiscale valido li segue e la finestra della graduatoria lo segnala. Con \"Stessa "
            "posizione a parità di punteggio (ex aequo)\" i candidati rimasti alla pari occupano la stessa "
            "posizione. Con \"Stampa per la pubblicazione: solo posizione, candidato e punteggio\" la stampa "
            "e il PDF riportano soltanto questi dati. Le scelte restano memorizzate nel file Sintarel.ini "
            "della cartella del programma. Il pulsante Salva PDF, accanto a Stampa graduatoria, salva la "
            "graduatoria in un file PDF nella cartella scelta."),
    };
    return paragraphs;
}

} // namespace

const QString &paragraph(int n)
{
    Q_ASSERT(n >= 1 && n <= kParagraphCount);
    return allParagraphs().at(n - 1);
}

QString startTitle()
{
    return QStringLiteral("Uno sguardo a Sintarel");
}

QString sessionTitle()
{
    return QStringLiteral("Gestione sessioni d'esame");
}

QString rankingTitle()
{
    return QStringLiteral("Visualizzazione graduatorie");
}

QString exportTitle()
{
    return QStringLiteral("Esportazione archivio candidati esaminati in Microsoft Excel");
}

const QList<Topic> &topics()
{
    static const QList<Topic> all = {
        {startTitle(), 1, 20},
        {sessionTitle(), 3, 13},
        {rankingTitle(), 14, 16, 25},
        {exportTitle(), 21, 24},
    };
    return all;
}

QString text(const Topic &topic)
{
    QStringList parts;
    for (int n = topic.first; n <= topic.last; ++n)
        parts.append(paragraph(n));
    if (topic.added > 0)
        parts.append(paragraph(topic.added));
    return parts.join(QStringLiteral("\r\n\r\n"));
}

const Topic *find(const QString &title)
{
    for (const Topic &topic : topics())
        if (topic.title == title)
            return &topic;
    return nullptr;
}

} // namespace helptopics
