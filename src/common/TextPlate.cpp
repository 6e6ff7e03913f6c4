#include "common/TextPlate.h"

#include "common/contrast.h"

#include <QLabel>

namespace textplate
{

void put(QLabel *label, const QColor &text)
{
    label->setStyleSheet(
        QStringLiteral("color: %1; background-color: %2; border-radius: 6px; padding: 0 6px;")
            .arg(contrast::readableOn(text, kPlate).name(), kPlate.name()));
}

} // namespace textplate
