#pragma once

#include "archive/record.h"

#include <QByteArray>
#include <QString>

#include <array>

// The candidate search's six filters, matched against one record at a time.
// A filter matches when its text, with A-Z turned to lower case, occurs as a
// whole in the field's text lowered the same way. The filter is not trimmed (its
// blanks must occur too); an empty filter matches nothing. Filters whose text is
// blank after trimming are not counted as active, yet still match their blanks.
class SearchFilters
{
public:
    // The filtered fields, in the order of the filter fields on screen.
    static constexpr std::array<TScheda::Field, 6> kFields = {
        TScheda::Field::Concorrente, TScheda::Field::Responsabile, TScheda::Field::Telefono,
        TScheda::Field::Email,       TScheda::Field::Gare,         TScheda::Field::Note};

    explicit SearchFilters(const std::array<QString, 6> &texts);

    // N: the filters whose trimmed text is not empty.
    int activeCount() const { return m_active; }

    // m: how many filters occur in their field.
    int matchCount(const TScheda &record) const;

    // A record is listed when m >= N (so with no filter filled in, every record).
    bool accepts(const TScheda &record) const { return matchCount(record) >= m_active; }

private:
    // Each filter as the session file stores text: Windows-1252 bytes, A-Z
    // lowered. Matching on bytes spares decoding 100,000 exam details.
    struct Needle {
        QByteArray bytes;
        bool canMatch = false; // empty, or holding a character no stored text can hold
    };
    std::array<Needle, 6> m_needles;
    int m_active = 0;
};
