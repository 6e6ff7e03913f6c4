#include "common/TextPlate.h"

#include "common/contrast.h"

#include <QLabel>

namespace textplate
{

void put(QLabel *label, const QColor &text)
{
    label->setStyleSheet(
        QStringLiteral("color: %1; background-color: %2; border-radius: 6px; padding: 0 6px;")
            .arg(onPlate(text).name(), kPlate.name()));
}

QColor onPlate(const QColor &text)
{
    return contrast::readableOn(text, kPlate);
}

QWidget *behind(QWidget *parent, const QRect &geometry)
{
    auto *plate = new QLabel(parent);
    plate->setObjectName(QStringLiteral("panPiastra"));
    plate->setStyleSheet(QStringLiteral("background-color: %1; border-radius: 6px;").arg(kPlate.name()));
    plate->setGeometry(geometry);
    plate->lower();
    return plate;
}

} // namespace textplate
