#pragma once

#include <QString>

// The scientific calculator's engine: the display text, the keys and the state
// that outlives the window. Values are read from the display and computed in
// extended precision (long double); every stored value is a double.
namespace calc
{

enum class Key {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    Clear,
    BackSpace,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Result,
    Sign,
    Square,
    SquareRoot,
    Reciprocal,
    Exp,
    Ln,
    Log,
    Sin,
    Cos,
    Tan,
    ArcSin,
    ArcCos,
    ArcTan,
    Pi,
};

enum class Operation { None, Add, Subtract, Divide, Multiply, Power };

// Kept for the whole run: a calculation left pending when the window closes is
// completed the next time it opens.
struct State {
    double first = 0;                    // stored by an operator key; every function key's result
    double second = 0;                   // the display value read by the equals key
    double last = 0;                     // the last result of the equals key
    bool newNumber = false;              // the next digit starts a new number
    Operation pending = Operation::None; // never cleared once set
};

// The display format: 15 significant digits, decimal comma, no grouping; fixed
// notation for 0 and for magnitudes from 0.00001 with at most 15 integer digits,
// otherwise a mantissa, "E" and the exponent ("1,5E-6", "1E16").
QString format(double value);

// Reads a display text: optional sign, digits with an optional decimal comma and
// an optional exponent ("E" or "e", optional sign, digits). Blanks around it are
// allowed. False when the text is not such a number; a number beyond the range of
// long double reads as an infinity.
bool read(const QString &text, long double *value);

class Calculator
{
public:
    explicit Calculator(State &state) : m_state(state) {}

    // The text the display shows: "0" for a new window.
    const QString &display() const { return m_display; }
    const State &state() const { return m_state; }

    // One key press. Returns the text of the plain message box the key shows
    // (empty when none); the display then already holds what follows the message.
    // Throws SintarelError when the display cannot be read or the arithmetic fails
    // (a root or logarithm out of its domain, a result too large for a double): the
    // display then keeps its text and the state what was stored before the failing
    // step.
    QString press(Key key);

private:
    void digit(int d);
    QString function(Key key);
    void operation(Operation op);
    QString result();

    long double readDisplay() const;

    State &m_state;
    QString m_display = QStringLiteral("0");
};

} // namespace calc
