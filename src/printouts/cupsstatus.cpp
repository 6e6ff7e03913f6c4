#include "printouts/cupsstatus.h"

#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <dlfcn.h>
#endif

namespace cupsstatus
{

int lastStatus()
{
#if defined(Q_OS_LINUX)
    // Only looked up, never loaded: without Qt's CUPS printer there is no job.
    void *library = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    if (!library)
        return 0;
    using LastError = int (*)();
    const auto lastError = reinterpret_cast<LastError>(dlsym(library, "cupsLastError"));
    const int status = lastError ? lastError() : 0;
    dlclose(library);
    return status;
#else
    return 0;
#endif
}

bool lastRequestFailed()
{
    return lastStatus() >= 0x0400;
}

} // namespace cupsstatus
