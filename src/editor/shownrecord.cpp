#include "editor/shownrecord.h"

#include "editor/score.h"

bool ShownRecord::changed(const TScheda &assembled) const
{
    using F = TScheda::Field;
    if (!m_known)
        return false;
    for (F f : differingFields(m_shown, assembled)) {
        if (f == F::Punteggio && score::normalised(m_shown.text(f)) == assembled.text(f))
            continue;
        return true;
    }
    return false;
}
