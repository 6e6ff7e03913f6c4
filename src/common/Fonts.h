#pragma once

#include <QFont>

// The program's typefaces by their design names. Debian has none of them, so they
// are mapped once to metric twins or close relatives: Courier New to Liberation
// Mono (the columns of fixed-width lists), Arial to Liberation Sans, Verdana and
// Tahoma to DejaVu Sans.
namespace fonts
{

void installSubstitutions();

QFont verdana(qreal pointSize, bool bold = false);
QFont tahoma(qreal pointSize, bool bold = false);
QFont arial(qreal pointSize, bool bold = false);
QFont courierNew(qreal pointSize, bool bold = false);

} // namespace fonts
