#include "tools/calculator.h"

#include "common/errors.h"
#include "common/text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <numbers>

namespace calc
{

namespace
{
constexpr long double kPi = std::numbers::pi_v<long double>;

const QString kValoreNonValido = QStringLiteral("Attenzione! Valore non valido.");
const QString kValoriNonValidi = QStringLiteral("Attenzione! Valori non validi.");
// The arccosine's message has always lacked the full stop.
const QString kValoriNonValidiArcCos = QStringLiteral("Attenzione! Valori non validi");

[[noreturn]] void fail(const QString &reason)
{
    throw SintarelError(QStringLiteral("Impossibile eseguire il calcolo: ") + reason);
}

// Every stored value is a double; a value that a double cannot hold must never
// reach the state or the display.
double store(long double x)
{
    if (std::isnan(x))
        fail(QStringLiteral("il risultato non è definito."));
    const double d = static_cast<double>(x);
    if (!std::isfinite(d))
        fail(QStringLiteral("il numero è troppo grande."));
    return d;
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}
} // namespace

QString format(double value)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    // Correctly rounded to 15 significant digits: "-d.dddddddddddddde+XX".
    const QString e = QString::number(value, 'e', 14);
    const bool negative = e.startsWith(u'-');
    const qsizetype ePos = e.indexOf(u'e');
    QString digits = e.mid(negative ? 1 : 0, ePos - (negative ? 1 : 0));
    digits.remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    const int exponent = e.mid(ePos + 1).toInt();
    // value = 0.<digits> x 10^point
    const int point = exponent + 1;

    QString out = negative ? QStringLiteral("-") : QString();
    if (point >= -4 && point <= 15) {
        if (point <= 0) {
            out += QStringLiteral("0,") + QString(-point, u'0') + digits;
        } else if (point < digits.size()) {
            out += digits.left(point) + u',' + digits.mid(point);
        } else {
            out += digits + QString(point - digits.size(), u'0');
        }
    } else {
        out += digits.left(1);
        if (digits.size() > 1)
            out += u',' + digits.mid(1);
        out += u'E' + QString::number(exponent);
    }
    return out;
}

bool read(const QString &text, long double *value)
{
    const QString t = text::trimmed(text);
    qsizetype i = 0;
    const qsizetype n = t.size();
    QByteArray ascii;
    if (i < n && (t.at(i) == u'+' || t.at(i) == u'-'))
        ascii += char(t.at(i++).unicode());
    QByteArray whole, fraction;
    bool comma = false;
    while (i < n && isAsciiDigit(t.at(i)))
        whole += char(t.at(i++).unicode());
    if (i < n && t.at(i) == u',') {
        comma = true;
        ++i;
        while (i < n && isAsciiDigit(t.at(i)))
            fraction += char(t.at(i++).unicode());
    }
    if (whole.isEmpty() && fraction.isEmpty() && !comma)
        return false;
    ascii += whole.isEmpty() ? QByteArray("0") : whole;
    if (!fraction.isEmpty())
        ascii += '.' + fraction;
    if (i < n && (t.at(i) == u'E' || t.at(i) == u'e')) {
        ++i;
        ascii += 'e';
        if (i < n && (t.at(i) == u'+' || t.at(i) == u'-'))
            ascii += char(t.at(i++).unicode());
        const qsizetype start = i;
        while (i < n && isAsciiDigit(t.at(i)))
            ascii += char(t.at(i++).unicode());
        if (i == start)
            return false;
    }
    if (i != n)
        return false;
    // The C locale's point, whatever the process locale says.
    errno = 0;
    char *end = nullptr;
    const long double v = strtold_l(ascii.constData(), &end, cLocale());
    if (end != ascii.constData() + ascii.size())
        return false;
    if (value)
        *value = v; // an overflow gives an infinity, an underflow 0 or a tiny value
    return true;
}

long double Calculator::readDisplay() const
{
    long double v = 0;
    if (!read(m_display, &v))
        fail(QStringLiteral("\"%1\" non è un numero valido.").arg(m_display));
    if (std::isinf(v))
        fail(QStringLiteral("il numero è troppo grande."));
    return v;
}

QString Calculator::press(Key key)
{
    switch (key) {
    case Key::Digit0:
    case Key::Digit1:
    case Key::Digit2:
    case Key::Digit3:
    case Key::Digit4:
    case Key::Digit5:
    case Key::Digit6:
    case Key::Digit7:
    case Key::Digit8:
    case Key::Digit9:
        digit(int(key) - int(Key::Digit0));
        return QString();
    case Key::Point:
        // Nothing is checked: a second comma makes a display that no key can read.
        m_display += u',';
        return QString();
    case Key::Clear:
        m_display = QStringLiteral("0");
        return QString();
    case Key::BackSpace: {
        m_display.chop(1);
        const QString t = text::trimmed(m_display);
        if (t.isEmpty() || t == u"-" || t == u",")
            m_display = QStringLiteral("0");
        return QString();
    }
    case Key::Add:
        operation(Operation::Add);
        return QString();
    case Key::Subtract:
        operation(Operation::Subtract);
        return QString();
    case Key::Multiply:
        operation(Operation::Multiply);
        return QString();
    case Key::Divide:
        operation(Operation::Divide);
        return QString();
    case Key::Power:
        operation(Operation::Power);
        return QString();
    case Key::Result:
        return result();
    case Key::Pi:
        m_display = format(static_cast<double>(kPi));
        return QString();
    default:
        return function(key);
    }
}

void Calculator::digit(int d)
{
    if (m_state.newNumber)
        m_display.clear();
    if (d == 0) {
        if (m_display.isEmpty() || m_display == u"0")
            m_display = QStringLiteral("0");
        else
            m_display += u'0';
    } else {
        if (m_display == u"0")
            m_display.clear();
        m_display += QChar(char16_t(u'0' + d));
    }
    m_state.newNumber = false;
}

void Calculator::operation(Operation op)
{
    // A pending operation is replaced, not evaluated: 2 + 3 + 4 = gives 7.
    m_state.first = store(readDisplay());
    m_state.pending = op;
    m_state.newNumber = true;
}

QString Calculator::function(Key key)
{
    const long double v = readDisplay();
    // Every function key first takes the display into the first operand; a step
    // that fails after this leaves it there.
    m_state.first = store(v);
    QString message;
    switch (key) {
    case Key::Sign:
        m_state.first = store(0 - v);
        break;
    case Key::Square:
        m_state.first = store(v * v);
        break;
    case Key::SquareRoot:
        if (v < 0)
            fail(QStringLiteral("non esiste la radice quadrata di un numero negativo."));
        m_state.first = store(std::sqrt(v));
        break;
    case Key::Reciprocal:
        if (v == 0)
            message = kValoreNonValido; // the first operand stays 0
        else
            m_state.first = store(1 / v);
        break;
    case Key::Exp:
        m_state.first = store(std::exp(v));
        break;
    case Key::Ln:
    case Key::Log:
        if (v <= 0)
            fail(QStringLiteral("il logaritmo esiste solo per i numeri maggiori di zero."));
        m_state.first = store(key == Key::Ln ? std::log(v) : std::log10(v));
        break;
    case Key::Sin:
    case Key::Cos:
    case Key::Tan: {
        // Degrees to radians, kept as a double before the function is applied.
        m_state.first = store(kPi * v / 180);
        const long double x = m_state.first;
        m_state.first = store(key == Key::Sin ? std::sin(x) : key == Key::Cos ? std::cos(x) : std::tan(x));
        break;
    }
    case Key::ArcSin:
    case Key::ArcCos:
    case Key::ArcTan:
        // The one range check serves all three keys, the arctangent included.
        if (v > 1 || v < -1) {
            message = key == Key::ArcCos ? kValoriNonValidiArcCos : kValoriNonValidi;
        } else {
            m_state.first = store(key == Key::ArcSin   ? std::asin(v)
                                  : key == Key::ArcCos ? std::acos(v)
                                                       : std::atan(v));
        }
        break;
    default:
        break;
    }
    m_display = format(m_state.first);
    return message;
}

QString Calculator::result()
{
    m_state.newNumber = true;
    if (m_state.pending == Operation::None)
        return QString();
    const long double v = readDisplay();
    m_state.second = store(v);
    const long double a = m_state.first;
    const long double b = m_state.second;
    QString message;
    switch (m_state.pending) {
    case Operation::Add:
        m_state.last = store(a + b);
        break;
    case Operation::Subtract:
        m_state.last = store(a - b);
        break;
    case Operation::Multiply:
        m_state.last = store(a * b);
        break;
    case Operation::Divide:
        if (b == 0)
            message = kValoriNonValidi; // the last result keeps its value
        else
            m_state.last = store(a / b);
        break;
    case Operation::Power:
        if (a < 0 && std::trunc(b) != b)
            fail(QStringLiteral("un numero negativo non si può elevare a una potenza non intera."));
        if (a == 0 && b < 0)
            fail(QStringLiteral("zero non si può elevare a una potenza negativa."));
        m_state.last = store(std::pow(a, b));
        break;
    case Operation::None:
        break;
    }
    m_display = format(m_state.last);
    return message;
}

} // namespace calc
