#include "sessiongen.h"

#include "archive/record.h"

#include <QFile>
#include <QStringList>

#include <random>
#include <stdexcept>

namespace
{

const QStringList kSurnames = {
    "Rossi",      "Russo",   "Ferrari",   "Esposito",   "Bianchi",    "Romano",     "Colombo",
    "Ricci",      "Marino",  "Greco",     "Bruno",      "Gallo",      "Conti",      "De Luca",
    "Mancini",    "Costa",   "Giordano",  "Rizzo",      "Lombardi",   "Moretti",    "Barbieri",
    "Fontana",    "Santoro", "Mariani",   "Rinaldi",    "Caruso",     "Ferrara",    "Galli",
    "Martini",    "Leone",   "Longo",     "Gentile",    "Martinelli", "Vitale",     "Lombardo",
    "Serra",      "Coppola", "De Santis", "D'Angelo",   "Marchetti",  "Parisi",     "Villa",
    "Conte",      "Ferraro", "Ferri",     "Fabbri",     "Bianco",     "Marini",     "Grasso",
    "Valentini",  "Messina", "Sala",      "De Angelis", "Gatti",      "Pellegrini", "Palumbo",
    "Sanna",      "Farina",  "Rizzi",     "Monti",      "Cattaneo",   "Morelli",    "Amato",
    "Silvestri",  "Mazza",   "Testa",     "Grassi",     "Pellegrino", "Carbone",    "Giuliani",
    "Benedetti",  "Barone",  "Rossetti",  "Caputo",     "Montanari",  "Guerra",     "Palmieri",
    "Bernardi",   "Martino", "Fiore",     "De Rosa",    "Ferretti",   "Bellini",    "Basile",
    "Riva",       "Donati",  "Piras",     "Vitali",     "Battaglia",  "Sartori",    "Neri",
    "Costantini", "Milani",  "Pagano",    "Ruggiero",   "Sorrentino", "D'Amico",    "Orlando",
    "Damico",     "Negri",   "Niccolò",   "Fabbrì"};
const QStringList kNames = {"Marco",    "Giulia",    "Francesco", "Chiara",    "Alessandro", "Sara",
                            "Andrea",   "Martina",   "Luca",      "Giorgia",   "Matteo",     "Federica",
                            "Lorenzo",  "Valentina", "Davide",    "Francesca", "Simone",     "Elisa",
                            "Riccardo", "Alessia",   "Gabriele",  "Silvia",    "Tommaso",    "Elena",
                            "Nicolò",   "Anna",      "Pietro",    "Laura",     "Stefano",    "Paola",
                            "Giuseppe", "Ilaria",    "Antonio",   "Beatrice",  "Emanuele",   "Noemi"};
const QStringList kPlaces = {"Roma",    "Milano",  "Napoli",  "Torino", "Palermo",
                             "Genova",  "Bologna", "Firenze", "Bari",   "Catania",
                             "Venezia", "Verona",  "Messina", "Padova", "Trieste",
                             "Taranto", "Brescia", "Parma",   "Modena", "Reggio Calabria"};
const QStringList kWords = {"prova",    "scritta",     "orale",     "colloquio",      "valutazione",
                            "titoli",   "esperienza",  "quesiti",   "risposte",       "corrette",
                            "tecnica",  "teoria",      "diritto",   "amministrativo", "informatica",
                            "lingua",   "inglese",     "elaborato", "commissione",    "punteggio",
                            "parziale", "sufficiente", "buono",     "ottimo",         "discussione",
                            "pratica",  "caso",        "studio",    "relazione",      "esame"};
const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const char kMonths[] = "ABCDEHLMPRST";

} // namespace

void generateSession(const QString &path, qint64 records, std::uint32_t seed)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](const QStringList &list) -> const QString & {
        return list[std::uniform_int_distribution<qsizetype>(0, list.size() - 1)(rng)];
    };
    auto number = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    QByteArray block;
    block.reserve(256 * TScheda::kSize);
    for (qint64 i = 0; i < records; ++i) {
        TScheda r = TScheda::blank();
        const QString surname = pick(kSurnames);
        const QString name = pick(kNames);
        r.setText(TScheda::Field::Concorrente, surname.toUpper() + u' ' + name.toUpper());
        QString code;
        for (int k = 0; k < 6; ++k)
            code += QLatin1Char(kLetters[number(0, 25)]);
        code += QString::number(number(50, 99)) + QLatin1Char(kMonths[number(0, 11)]) +
                QStringLiteral("%1").arg(number(1, 71), 2, 10, QLatin1Char('0')) +
                QLatin1Char(kLetters[number(0, 25)]) +
                QStringLiteral("%1").arg(number(1, 999), 3, 10, QLatin1Char('0')) +
                QLatin1Char(kLetters[number(0, 25)]);
        r.setText(TScheda::Field::Responsabile, code);
        r.setText(TScheda::Field::Telefono, pick(kPlaces));
        r.setText(TScheda::Field::Email, QStringLiteral("%1/%2/%3")
                                             .arg(number(1, 28), 2, 10, QLatin1Char('0'))
                                             .arg(number(1, 12), 2, 10, QLatin1Char('0'))
                                             .arg(number(2020, 2026)));
        QString details;
        const int words = number(30, 70);
        for (int k = 0; k < words; ++k) {
            details += pick(kWords);
            details += (k % 12 == 11) ? QStringLiteral(".\r\n") : QStringLiteral(" ");
        }
        r.setText(TScheda::Field::Gare, details);
        r.setText(TScheda::Field::Punteggio,
                  QStringLiteral("%1,%2").arg(number(0, 100)).arg(number(0, 99), 2, 10, QLatin1Char('0')));
        r.setText(TScheda::Field::Note,
                  number(0, 3) == 0 ? QStringLiteral("Ammesso con riserva") : QString());
        r.setEligible(number(0, 2) != 0);
        block.append(r.bytes(), TScheda::kSize);
        if (block.size() >= 256 * TScheda::kSize) {
            if (file.write(block) != block.size())
                throw std::runtime_error("cannot write " + path.toStdString());
            block.clear();
        }
    }
    if (file.write(block) != block.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
