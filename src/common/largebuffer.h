#pragma once

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

// Buffers of tens of megabytes filled once from start to end (the lines of a
// whole session, the spreadsheet export): on Linux they are given large pages,
// which spares a page fault every 4 KB. Elsewhere, and when the system says no,
// nothing changes.
inline void adviseLargeBuffer(void *data, qsizetype size)
{
#ifdef Q_OS_LINUX
    constexpr quintptr kPage = 4096;
    constexpr qsizetype kWorthIt = 4 << 20;
    if (size < kWorthIt)
        return;
    const quintptr start = (quintptr(data) + kPage - 1) & ~(kPage - 1);
    const quintptr end = (quintptr(data) + quintptr(size)) & ~(kPage - 1);
    if (end > start)
        madvise(reinterpret_cast<void *>(start), end - start, MADV_HUGEPAGE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}
