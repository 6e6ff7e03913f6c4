#pragma once

#include <QColor>
#include <QWidget>

class AppContext;
class PanelHost;

// A long-lived full-screen window: shown maximised over a vertical gradient, with
// a fixed-size content panel kept in its centre (and scrolled on a screen smaller
// than the panel). Showing calls FormShow(),
// closing (any way) calls FormClose(), which shows the successor window.
class FullScreenWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr QSize kPanelSize{995, 692};

    FullScreenWindow(AppContext &app, const QString &objectName, const QString &caption, const QColor &top,
                     const QColor &bottom, QWidget *parent = nullptr);

    QWidget *panel() const { return m_panel; }
    PanelHost *panelHost() const { return m_host; }
    AppContext &app() const { return m_app; }

    // Shows the window maximised and brings it forward.
    void showWindow();

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}

    void setPanelSize(const QSize &size);
    void setPanelColor(const QColor &color);

    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &m_app;
    QColor m_top;
    QColor m_bottom;
    QWidget *m_panel;
    PanelHost *m_host;
};
