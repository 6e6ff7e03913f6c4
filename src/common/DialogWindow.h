#pragma once

#include "common/WidthAnchors.h"

#include <QColor>
#include <QDialog>

class AppContext;

// A fixed-size dialog window over a vertical gradient, without title-bar buttons:
// it is left through its own buttons. Showing calls FormShow(), closing calls
// FormClose(). Escape does nothing unless the window allows it.
class DialogWindow : public QDialog
{
    Q_OBJECT
public:
    DialogWindow(AppContext &app, const QString &objectName, const QString &caption, const QSize &clientSize,
                 const QColor &top, const QColor &bottom, QWidget *parent = nullptr);

    AppContext &app() const { return m_app; }

    // Centres on the screen, or on the owner window when there is one.
    void centre();

    void reject() override;

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    void setEscapeCloses(bool closes) { m_escapeCloses = closes; }
    void setGradient(const QColor &top, const QColor &bottom);
    // A list window grows with a wide screen up to this width (its controls
    // placed by anchors()); by default it keeps its design width.
    void setWidest(int width) { m_widest = width; }
    WidthAnchors &anchors() { return m_anchors; }

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fitToScreen();

    AppContext &m_app;
    QColor m_top;
    QColor m_bottom;
    bool m_escapeCloses = false;
    QSize m_design;
    int m_widest = 0;
    WidthAnchors m_anchors;
};
