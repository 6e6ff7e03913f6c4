#pragma once

class QPlainTextEdit;

// Keeps a memo within a number of stored characters: whatever typing or pasting
// would put beyond the limit is taken back at the caret, so the stored text is
// never cut behind the user's back.
namespace memolimit
{

void install(QPlainTextEdit *memo, int maxStored);

} // namespace memolimit
