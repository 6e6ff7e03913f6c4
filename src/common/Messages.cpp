#include "common/Messages.h"

#include <QApplication>
#include <QMessageBox>

bool DialogMessages::show(Kind kind, const QString &text, QWidget *parent)
{
    if (kind == Kind::Question)
        return ask(parent, text) == Answer::Yes;
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Sintarel"));
    box.setText(text);
    switch (kind) {
    case Kind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Kind::Error:
    case Kind::GeneralError:
        box.setIcon(QMessageBox::Critical);
        break;
    case Kind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Kind::Confirmation:
    case Kind::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Kind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    switch (kind) {
    case Kind::Warning:
    case Kind::Error:
    case Kind::Information:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Kind::Confirmation:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Kind::Plain:
    case Kind::GeneralError:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Kind::Question:
        break;
    }
    const int answer = box.exec();
    return kind != Kind::Confirmation || answer == QMessageBox::Yes;
}

Messages::Answer DialogMessages::ask(QWidget *parent, const QString &text)
{
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(parent);
    box.setWindowTitle(QStringLiteral("Sintarel"));
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    // Qt's own buttons, which its Italian translation labels Sì, No and Annulla.
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}
