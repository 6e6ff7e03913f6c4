#pragma once

#include "archive/record.h"

// What the editor's fields held when a record was last shown or stored, so that
// the commands that replace the fields (paging, New, a recall, closing) can tell
// whether they would drop edits. Assembled records are compared, not keystrokes:
// the date picker, the calculator and pasting count, an untouched record does not.
class ShownRecord
{
public:
    // The fields as just shown or stored, assembled.
    void remember(const TScheda &assembled)
    {
        m_shown = assembled;
        m_known = true;
    }

    // Whether the fields, assembled now, hold edits. A score that only took its
    // normal form (the field was left) is no edit: nothing would be lost. Before
    // anything was shown there is nothing to lose.
    bool changed(const TScheda &assembled) const;

private:
    TScheda m_shown = TScheda::blank();
    bool m_known = false;
};
