#include "editor/assembling.h"

#include "common/cp1252.h"
#include "editor/memotext.h"

namespace assembling
{

namespace
{

struct Text {
    TScheda::Field field;
    QString stored;
};

QList<Text> storedTexts(const Fields &f)
{
    using F = TScheda::Field;
    return {{F::Concorrente, f.name}, {F::Responsabile, f.fiscalCode},          {F::Telefono, f.provenance},
            {F::Email, f.examDate},   {F::Gare, memotext::toStored(f.details)}, {F::Punteggio, f.score},
            {F::Note, f.notes}};
}

} // namespace

TScheda record(const Fields &fields)
{
    TScheda r = TScheda::blank();
    for (const Text &t : storedTexts(fields))
        r.setText(t.field, t.stored);
    r.setEligible(fields.eligible);
    return r;
}

QList<Overflow> overflows(const Fields &fields)
{
    QList<Overflow> out;
    for (const Text &t : storedTexts(fields)) {
        const qsizetype length = cp1252::encode(t.stored).size();
        const qsizetype longest = TScheda::capacity(t.field) - 1;
        if (length > longest)
            out.append({t.field, length, longest});
    }
    return out;
}

} // namespace assembling
