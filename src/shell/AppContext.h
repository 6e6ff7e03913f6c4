#pragma once

#include <QObject>
#include <QString>

#include "common/Messages.h"
#include "common/clock.h"
#include "common/desktopshell.h"
#include "printouts/printservice.h"

#include <memory>

class TfrmPassword;
class TfrmCambiaPassword;
class TfrmAvvio;
class TfrmCreaArchivio;
class TfrmApriArchivio;
class TfrmApriClassifica;
class TfrmTorneo;

// Everything a window may need from outside itself: the program folder and the
// seams. The program passes the real ones; tests pass fakes and a temporary folder.
struct AppServices {
    QString programFolder;
    std::unique_ptr<Messages> messages;
    std::unique_ptr<PrintService> print;
    std::unique_ptr<DesktopShell> shell;
    std::unique_ptr<Clock> clock;

    // The program's own: the executable's folder, message boxes, printer, desktop.
    static AppServices system();
};

// The application object: owns the services and the seven long-lived windows,
// and lets windows reach each other (the editor's controls are the current-record
// interface the other windows read and write).
class AppContext : public QObject
{
    Q_OBJECT
public:
    explicit AppContext(AppServices services);
    ~AppContext() override;

    // The executable's folder (a temporary one in tests), with its trailing separator.
    const QString &programFolder() const { return m_services.programFolder; }
    // programFolder() + name
    QString pathInFolder(const QString &name) const;

    Messages &messages() const { return *m_services.messages; }
    PrintService &print() const;
    DesktopShell &shell() const { return *m_services.shell; }
    Clock &clock() const { return *m_services.clock; }

    TfrmPassword *frmPassword() const { return m_frmPassword.get(); }
    TfrmCambiaPassword *frmCambiaPassword() const { return m_frmCambiaPassword.get(); }
    TfrmAvvio *frmAvvio() const { return m_frmAvvio.get(); }
    TfrmCreaArchivio *frmCreaArchivio() const { return m_frmCreaArchivio.get(); }
    TfrmApriArchivio *frmApriArchivio() const { return m_frmApriArchivio.get(); }
    TfrmApriClassifica *frmApriClassifica() const { return m_frmApriClassifica.get(); }
    TfrmTorneo *frmTorneo() const { return m_frmTorneo.get(); }

    // Shows the first window, the login.
    void start();

    // Ends the program (login "Esci", the start screen's exit icon or close).
    void quit();
    bool quitRequested() const { return m_quitRequested; }

signals:
    void quitting();

private:
    AppServices m_services;
    bool m_quitRequested = false;
    std::unique_ptr<TfrmPassword> m_frmPassword;
    std::unique_ptr<TfrmCambiaPassword> m_frmCambiaPassword;
    std::unique_ptr<TfrmAvvio> m_frmAvvio;
    std::unique_ptr<TfrmCreaArchivio> m_frmCreaArchivio;
    std::unique_ptr<TfrmApriArchivio> m_frmApriArchivio;
    std::unique_ptr<TfrmApriClassifica> m_frmApriClassifica;
    std::unique_ptr<TfrmTorneo> m_frmTorneo;
};
