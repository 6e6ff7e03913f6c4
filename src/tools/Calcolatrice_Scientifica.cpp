#include "tools/Calcolatrice_Scientifica.h"

#include "common/DataLabel.h"
#include "common/Fonts.h"
#include "common/ImageButton.h"
#include "common/Messages.h"
#include "common/SvgPicture.h"
#include "common/text.h"
#include "shell/AppContext.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using calc::Key;

namespace
{
// The state lives with the application object: one per run of the program.
class CalculatorRunState : public QObject
{
public:
    explicit CalculatorRunState(QObject *parent) : QObject(parent)
    {
        setObjectName(QStringLiteral("calculatorRunState"));
    }
    calc::State state;
};

enum class Family { Digit, Operator, Function, Clear, Equals };

struct KeyColors {
    QColor top;
    QColor bottom;
};

// Each family's shades are dark enough at both ends for the white words (4.5:1).
KeyColors colorsOf(Family family)
{
    switch (family) {
    case Family::Digit:
        return {QColor(0x70, 0x70, 0x70), QColor(0x30, 0x30, 0x30)};
    case Family::Operator:
        return {QColor(0xAD, 0x5F, 0x00), QColor(0x8F, 0x4A, 0x00)};
    case Family::Function:
        return {QColor(0x2B, 0x6C, 0xA8), QColor(0x23, 0x55, 0x8A)};
    case Family::Clear:
        return {QColor(0xC2, 0x1A, 0x1A), QColor(0xA0, 0x1E, 0x1E)};
    case Family::Equals:
        return {QColor(0x2E, 0x7D, 0x32), QColor(0x1B, 0x5E, 0x20)};
    }
    return {};
}

Family familyOf(Key key)
{
    if (key <= Key::Digit9 || key == Key::Point)
        return Family::Digit;
    switch (key) {
    case Key::Add:
    case Key::Subtract:
    case Key::Multiply:
    case Key::Divide:
        return Family::Operator;
    case Key::Clear:
    case Key::BackSpace:
        return Family::Clear;
    case Key::Result:
        return Family::Equals;
    default:
        return Family::Function;
    }
}

// The keypad grid: nine rows of four cells.
constexpr int kKeyLeft = 10;
constexpr int kKeyTop = 60;
constexpr int kKeyWidth = 58;
constexpr int kKeyHeight = 31;
constexpr int kGap = 3;
} // namespace

calc::State &TfrmCalcolatrice_Scientifica::runState(AppContext &app)
{
    auto *holder = app.findChild<QObject *>(QStringLiteral("calculatorRunState"), Qt::FindDirectChildrenOnly);
    auto *runState = dynamic_cast<CalculatorRunState *>(holder);
    if (!runState)
        runState = new CalculatorRunState(&app);
    return runState->state;
}

TfrmCalcolatrice_Scientifica::TfrmCalcolatrice_Scientifica(AppContext &app, QLineEdit *scoreField,
                                                           QWidget *parent)
    : DialogWindow(app, QStringLiteral("frmCalcolatrice_Scientifica"), QStringLiteral(" Calcolatrice"),
                   QSize(275, 422), Qt::black, Qt::white, parent),
      m_calculator(runState(app)), m_scoreField(scoreField)
{
    // The white face reaches the window's top and sides, so the dark top of the
    // gradient never shows as a square band around the rounded face.
    auto *face = new QFrame(this);
    face->setObjectName(QStringLiteral("shpCornice"));
    face->setGeometry(0, 0, 275, 382);
    face->setStyleSheet(
        QStringLiteral("#shpCornice { background-color: white; border-bottom-left-radius: 8px; "
                       "border-bottom-right-radius: 8px; }"));

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(6, 6, 263, 370);

    shpSfondo = new QFrame(panContainer);
    shpSfondo->setObjectName(QStringLiteral("shpSfondo"));
    shpSfondo->setGeometry(0, 0, 263, 370);
    shpSfondo->setStyleSheet(QStringLiteral("#shpSfondo { background-color: white; border-radius: 8px; }"));

    Image30 = new SvgPicture(QStringLiteral("Image30"), QStringLiteral(":/pictures/tools_display.svg"),
                             panContainer);
    Image30->setGeometry(8, 8, 247, 44);

    Edit1 = new QLabel(QStringLiteral("0"), panContainer);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFont(fonts::arial(12, true));
    Edit1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Edit1->setWordWrap(false);
    Edit1->setGeometry(16, 8, 231, 44);
    datalabel::expose(Edit1, QString(), QStringLiteral("Display"));
    Edit1->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Image31 = new SvgPicture(QStringLiteral("Image31"), QStringLiteral(":/pictures/tools_tastiera.svg"),
                             panContainer);
    Image31->setGeometry(kKeyLeft - 5, kKeyTop - 5, 4 * kKeyWidth + 3 * kGap + 10,
                         9 * kKeyHeight + 8 * kGap + 10);

    // Row by row, as the keypad reads.
    ButtonExp = addKey(QStringLiteral("ButtonExp"), QStringLiteral("eˣ"), QStringLiteral("esponenziale"),
                       Key::Exp, 0, 0);
    ButtonLn = addKey(QStringLiteral("ButtonLn"), QStringLiteral("ln"), QStringLiteral("logaritmo naturale"),
                      Key::Ln, 0, 1);
    ButtonStep = addKey(QStringLiteral("ButtonStep"), QStringLiteral("xʸ"),
                        QStringLiteral("elevamento a potenza"), Key::Power, 0, 2);
    ButtonLog = addKey(QStringLiteral("ButtonLog"), QStringLiteral("log"),
                       QStringLiteral("logaritmo decimale"), Key::Log, 0, 3);

    ButtonSqr = addKey(QStringLiteral("ButtonSqr"), QStringLiteral("x²"), QStringLiteral("quadrato"),
                       Key::Square, 1, 0);
    Button1DivX = addKey(QStringLiteral("Button1DivX"), QStringLiteral("1/x"), QStringLiteral("reciproco"),
                         Key::Reciprocal, 1, 1);
    ButtonSqrt = addKey(QStringLiteral("ButtonSqrt"), QStringLiteral("√"), QStringLiteral("radice quadrata"),
                        Key::SquareRoot, 1, 2);
    ButtonPi =
        addKey(QStringLiteral("ButtonPi"), QStringLiteral("π"), QStringLiteral("pi greco"), Key::Pi, 1, 3);

    ButtonCos = addKey(QStringLiteral("ButtonCos"), QStringLiteral("cos"),
                       QStringLiteral("coseno, angolo in gradi"), Key::Cos, 2, 0);
    ButtonSin = addKey(QStringLiteral("ButtonSin"), QStringLiteral("sin"),
                       QStringLiteral("seno, angolo in gradi"), Key::Sin, 2, 1);
    ButtonArcCos = addKey(QStringLiteral("ButtonArcCos"), QStringLiteral("cos⁻¹"),
                          QStringLiteral("arcocoseno, risultato in radianti"), Key::ArcCos, 2, 2);
    ButtonArcSin = addKey(QStringLiteral("ButtonArcSin"), QStringLiteral("sin⁻¹"),
                          QStringLiteral("arcoseno, risultato in radianti"), Key::ArcSin, 2, 3);

    ButtonTan = addKey(QStringLiteral("ButtonTan"), QStringLiteral("tan"),
                       QStringLiteral("tangente, angolo in gradi"), Key::Tan, 3, 0);
    ButtonArcTan = addKey(QStringLiteral("ButtonArcTan"), QStringLiteral("tan⁻¹"),
                          QStringLiteral("arcotangente, risultato in radianti"), Key::ArcTan, 3, 1);
    ButtonBackSpace = addKey(QStringLiteral("ButtonBackSpace"), QStringLiteral("⌫"),
                             QStringLiteral("cancella l'ultimo carattere"), Key::BackSpace, 3, 2, 1, 2);

    ButtonC = addKey(QStringLiteral("ButtonC"), QStringLiteral("C"), QStringLiteral("azzera il display"),
                     Key::Clear, 4, 0);
    ButtonSign = addKey(QStringLiteral("ButtonSign"), QStringLiteral("±"), QStringLiteral("cambia segno"),
                        Key::Sign, 4, 1);
    ButtonDiv =
        addKey(QStringLiteral("ButtonDiv"), QStringLiteral("÷"), QStringLiteral("diviso"), Key::Divide, 4, 2);
    ButtonMul =
        addKey(QStringLiteral("ButtonMul"), QStringLiteral("×"), QStringLiteral("per"), Key::Multiply, 4, 3);

    Button7 = addKey(QStringLiteral("Button7"), QStringLiteral("7"), QString(), Key::Digit7, 5, 0);
    Button8 = addKey(QStringLiteral("Button8"), QStringLiteral("8"), QString(), Key::Digit8, 5, 1);
    Button9 = addKey(QStringLiteral("Button9"), QStringLiteral("9"), QString(), Key::Digit9, 5, 2);
    ButtonSub =
        addKey(QStringLiteral("ButtonSub"), QStringLiteral("−"), QStringLiteral("meno"), Key::Subtract, 5, 3);

    Button4 = addKey(QStringLiteral("Button4"), QStringLiteral("4"), QString(), Key::Digit4, 6, 0);
    Button5 = addKey(QStringLiteral("Button5"), QStringLiteral("5"), QString(), Key::Digit5, 6, 1);
    Button6 = addKey(QStringLiteral("Button6"), QStringLiteral("6"), QString(), Key::Digit6, 6, 2);
    ButtonAdd =
        addKey(QStringLiteral("ButtonAdd"), QStringLiteral("+"), QStringLiteral("più"), Key::Add, 6, 3);

    Button1 = addKey(QStringLiteral("Button1"), QStringLiteral("1"), QString(), Key::Digit1, 7, 0);
    Button2 = addKey(QStringLiteral("Button2"), QStringLiteral("2"), QString(), Key::Digit2, 7, 1);
    Button3 = addKey(QStringLiteral("Button3"), QStringLiteral("3"), QString(), Key::Digit3, 7, 2);
    ButtonResult = addKey(QStringLiteral("ButtonResult"), QStringLiteral("="), QStringLiteral("uguale"),
                          Key::Result, 7, 3, 2, 1);

    Button0 = addKey(QStringLiteral("Button0"), QStringLiteral("0"), QString(), Key::Digit0, 8, 0, 1, 2);
    ButtonPoint = addKey(QStringLiteral("ButtonPoint"), QStringLiteral(","),
                         QStringLiteral("virgola decimale"), Key::Point, 8, 2);

    btnChiudi = new QPushButton(QStringLiteral("Annulla"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setGeometry(10, 382, 120, 32);

    btnImporta = new QPushButton(QStringLiteral("Importa"), this);
    btnImporta->setObjectName(QStringLiteral("btnImporta"));
    btnImporta->setGeometry(145, 382, 120, 32);

    for (QPushButton *b : {btnChiudi, btnImporta}) {
        b->setFont(fonts::verdana(10, true));
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(true); // Enter presses the button that has the focus
    }

    // The keys take the focus by Tab only; a fresh calculator starts on Annulla,
    // so a stray Enter changes nothing.
    btnChiudi->setFocus();

    connect(btnImporta, &QPushButton::clicked, this, &TfrmCalcolatrice_Scientifica::btnImportaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &TfrmCalcolatrice_Scientifica::btnChiudiClick);
}

ImageButton *TfrmCalcolatrice_Scientifica::addKey(const QString &name, const QString &words,
                                                  const QString &function, Key key, int row, int column,
                                                  int rows, int columns)
{
    auto *button = new ImageButton(name, panContainer);
    button->setLook(ImageButton::Look::Bar);
    const KeyColors colors = colorsOf(familyOf(key));
    button->setBarColors(colors.top, colors.bottom);
    button->setCapitals(false);
    button->setFont(fonts::verdana(10));
    button->setWordsPointSize(key <= Key::Digit9 || key == Key::Result ? 13 : 11);
    // The words are the accessible name: what a person reads on the key.
    button->setWords(words);
    button->setAccessibleDescription(function);
    button->setToolTip(function.isEmpty() ? words : function);
    button->setGeometry(kKeyLeft + column * (kKeyWidth + kGap), kKeyTop + row * (kKeyHeight + kGap),
                        columns * kKeyWidth + (columns - 1) * kGap, rows * kKeyHeight + (rows - 1) * kGap);
    connect(button, &ImageButton::clicked, this, [this, key]() { keyClick(key); });
    return button;
}

// Every key's Click handler. A failure (an unreadable display, a result out of
// range) escapes to the general error report; the display then keeps its text.
void TfrmCalcolatrice_Scientifica::keyClick(Key key)
{
    const QString message = m_calculator.press(key);
    if (!message.isEmpty())
        app().messages().plain(this, message);
    Edit1->setText(m_calculator.display());
}

void TfrmCalcolatrice_Scientifica::btnImportaClick()
{
    const QString shown = Edit1->text();
    // Every character counts: digits, sign, comma and exponent.
    if (shown.size() > 12) {
        app().messages().warning(this, QStringLiteral("Attenzione: numero con troppe cifre."));
        return;
    }
    if (m_scoreField) {
        m_scoreField->setText(text::trimmed(shown));
        m_scoreField->setFocus();
    }
    close();
}

void TfrmCalcolatrice_Scientifica::btnChiudiClick()
{
    close();
}
