#include "shell/AppContext.h"

#include "access/CambiaPassword.h"
#include "access/Password.h"
#include "archive/ApriArchivio.h"
#include "archive/CreaArchivio.h"
#include "common/Messages.h"
#include "common/clock.h"
#include "common/desktopshell.h"
#include "common/errors.h"
#include "common/formats.h"
#include "common/programfolder.h"
#include "editor/Torneo.h"
#include "printouts/SystemPrintService.h"
#include "printouts/printservice.h"
#include "rankings/ApriClassifica.h"
#include "shell/Avvio.h"

#include <QCoreApplication>

AppServices AppServices::system()
{
    AppServices s;
    s.programFolder = programfolder::ofExecutable();
    s.messages = std::make_unique<DialogMessages>();
    s.shell = std::make_unique<SystemDesktopShell>();
    s.clock = std::make_unique<SystemClock>();
    s.print = makeSystemPrintService(*s.messages);
    return s;
}

AppContext::AppContext(AppServices services) : m_services(std::move(services))
{
    m_services.programFolder = programfolder::normalised(m_services.programFolder);
    formats::installProgramLocale();
    // Creation order of the long-lived windows; the on-demand ones are created by
    // their openers each time.
    m_frmPassword = std::make_unique<TfrmPassword>(*this);
    m_frmApriArchivio = std::make_unique<TfrmApriArchivio>(*this);
    m_frmApriClassifica = std::make_unique<TfrmApriClassifica>(*this);
    m_frmAvvio = std::make_unique<TfrmAvvio>(*this);
    m_frmCambiaPassword = std::make_unique<TfrmCambiaPassword>(*this);
    m_frmCreaArchivio = std::make_unique<TfrmCreaArchivio>(*this);
    m_frmTorneo = std::make_unique<TfrmTorneo>(*this);
}

// Out of line: the window classes are complete here.
AppContext::~AppContext() = default;

QString AppContext::pathInFolder(const QString &name) const
{
    return m_services.programFolder + name;
}

PrintService &AppContext::print() const
{
    if (!m_services.print)
        throw SintarelError(QStringLiteral("Nessun servizio di stampa disponibile."));
    return *m_services.print;
}

void AppContext::start()
{
    m_frmPassword->show();
}

void AppContext::quit()
{
    m_quitRequested = true;
    emit quitting();
}
