#include "common/SvgCache.h"

#include <QCoreApplication>
#include <QHash>
#include <QSvgRenderer>

namespace svgcache
{

QSvgRenderer *renderer(const QString &resource)
{
    static QHash<QString, QSvgRenderer *> cache;
    auto it = cache.find(resource);
    if (it == cache.end()) {
        // Owned by the application, so they go when it does.
        auto *r = new QSvgRenderer(resource, QCoreApplication::instance());
        r->setAspectRatioMode(Qt::KeepAspectRatio);
        QObject::connect(r, &QObject::destroyed, [resource] { cache.remove(resource); });
        it = cache.insert(resource, r);
    }
    return *it;
}

} // namespace svgcache
