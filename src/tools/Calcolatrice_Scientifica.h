#pragma once

#include "common/DialogWindow.h"
#include "tools/calculator.h"

#include <QList>

class ImageButton;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SvgPicture;

// The scientific calculator. Its state outlives the window for the whole run;
// "Importa" puts the display into the score field it was opened for.
class TfrmCalcolatrice_Scientifica : public DialogWindow
{
    Q_OBJECT
public:
    TfrmCalcolatrice_Scientifica(AppContext &app, QLineEdit *scoreField, QWidget *parent = nullptr);

    // The calculator state of this run of the program.
    static calc::State &runState(AppContext &app);

    QWidget *panContainer;
    QFrame *shpSfondo;
    SvgPicture *Image31;
    SvgPicture *Image30;
    QLabel *Edit1;

    ImageButton *Button0, *Button1, *Button2, *Button3, *Button4, *Button5, *Button6, *Button7, *Button8,
        *Button9;
    ImageButton *ButtonPoint, *ButtonC, *ButtonBackSpace;
    ImageButton *ButtonAdd, *ButtonSub, *ButtonMul, *ButtonDiv, *ButtonStep, *ButtonResult;
    ImageButton *ButtonSign, *ButtonSqr, *ButtonSqrt, *Button1DivX, *ButtonExp, *ButtonLn, *ButtonLog;
    ImageButton *ButtonSin, *ButtonCos, *ButtonTan, *ButtonArcSin, *ButtonArcCos, *ButtonArcTan, *ButtonPi;

    QPushButton *btnChiudi;
    QPushButton *btnImporta;

private slots:
    void btnImportaClick();
    void btnChiudiClick();

private:
    ImageButton *addKey(const QString &name, const QString &words, const QString &function, calc::Key key,
                        int row, int column, int rows = 1, int columns = 1);
    void keyClick(calc::Key key);

    calc::Calculator m_calculator;
    QLineEdit *m_scoreField;
};
