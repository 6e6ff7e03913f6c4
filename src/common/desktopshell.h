#pragma once

#include <QUrl>

// The desktop's own "open": documents, web addresses and mail links. The outcome
// is ignored by every caller.
class DesktopShell
{
public:
    virtual ~DesktopShell() = default;
    virtual void open(const QUrl &url) = 0;
};

class SystemDesktopShell : public DesktopShell
{
public:
    void open(const QUrl &url) override;
};
