#include "tools/vatnumber.h"

#include <array>

namespace vatnumber
{

namespace
{
bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Offices 001 to 102, in code order.
const std::array<const char16_t *, 102> kOffices = {
    u"Torino",
    u"Vercelli",
    u"Novara",
    u"Cuneo",
    u"Asti",
    u"Alessandria",
    u"Aosta",
    u"Imperia",
    u"Savona",
    u"Genova 1",
    u"La Spezia",
    u"Varese",
    u"Como",
    u"Sondrio",
    u"Milano 1",
    u"Bergamo",
    u"Brescia 1",
    u"Pavia",
    u"Cremona",
    u"Mantova",
    u"Bolzano",
    u"Trento",
    u"Verona",
    u"Vicenza",
    u"Belluno",
    u"Treviso",
    u"Venezia",
    u"Padova",
    u"Rovigo",
    u"Udine",
    u"Gorizia",
    u"Trieste",
    u"Piacenza",
    u"Parma",
    u"Reggio Emilia",
    u"Modena",
    u"Bologna 1",
    u"Ferrara",
    u"Ravenna",
    u"Forlì",
    u"Pesaro",
    u"Ancona",
    u"Macerata",
    u"Ascoli Piceno",
    u"Massa Carrara",
    u"Lucca",
    u"Pistoia",
    u"Firenze 1",
    u"Livorno",
    u"Pisa",
    u"Arezzo",
    u"Siena",
    u"Grosseto",
    u"Perugia",
    u"Terni",
    u"Viterbo",
    u"Rieti",
    u"Roma 1",
    u"Latina",
    u"Frosinone",
    u"Caserta",
    u"Benevento",
    u"Napoli 1",
    u"Avellino",
    u"Salerno",
    u"Aquila",
    u"Teramo",
    u"Pescara",
    u"Chieti",
    u"Campobasso",
    u"Foggia",
    u"Bari",
    u"Taranto",
    u"Brindisi",
    u"Lecce",
    u"Potenza",
    u"Matera",
    u"Cosenza",
    u"Catanzaro",
    u"Reggio Calabria",
    u"Trapani",
    u"Palermo",
    u"Messina",
    u"Agrigento",
    u"Caltanissetta",
    u"Enna",
    u"Catania",
    u"Ragusa",
    u"Siracusa",
    u"Sassari",
    u"Nuoro",
    u"Cagliari",
    u"Pordenone",
    u"Isernia",
    u"Oristano",
    u"Monza (Milano 2)",
    u"Prato (Firenze 2)",
    u"Brescia 2",
    u"Chiavari (Genova 2)",
    u"Roma 2",
    u"Bologna 2",
    u"Napoli 2",
};
} // namespace

int checkDigit(const QString &number)
{
    if (number.size() < kLength - 1)
        return -1;
    int sum = 0;
    for (int p = 1; p < kLength; ++p) {
        const QChar c = number.at(p - 1);
        if (!isDigit(c))
            return -1;
        const int d = c.unicode() - u'0';
        if (p % 2 == 1) {
            sum += d;
        } else {
            const int twice = 2 * d;
            sum += twice >= 10 ? 1 + (twice - 10) : twice;
        }
    }
    return sum % 10 == 0 ? 0 : 10 - sum % 10;
}

bool isValid(const QString &number)
{
    if (number.size() != kLength)
        return false;
    const QChar last = number.at(kLength - 1);
    const int expected = checkDigit(number);
    return expected >= 0 && isDigit(last) && last.unicode() - u'0' == expected;
}

QString officeCode(const QString &number)
{
    return number.mid(7, 3);
}

QString officeName(const QString &code)
{
    if (code.size() != 3 || !isDigit(code.at(0)) || !isDigit(code.at(1)) || !isDigit(code.at(2)))
        return QString();
    const int n = code.toInt();
    // The offices opened later reuse the names of 101 and 102.
    if (n == 120)
        return QStringLiteral("Bologna 2");
    if (n == 121)
        return QStringLiteral("Napoli 2");
    if (n < 1 || n > int(kOffices.size()))
        return QString();
    return QString::fromUtf16(kOffices[n - 1]);
}

} // namespace vatnumber
