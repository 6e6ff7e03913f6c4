#include "editor/MemoLimit.h"

#include "editor/memotext.h"

#include <QPlainTextEdit>
#include <QTextCursor>

namespace memolimit
{

void install(QPlainTextEdit *memo, int maxStored)
{
    auto busy = std::make_shared<bool>(false);
    QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, maxStored, busy] {
        if (*busy)
            return;
        const QString shown = memo->toPlainText();
        qsizetype excess = memotext::storedLength(shown) - maxStored;
        if (excess <= 0)
            return;
        // Take back the characters just before the caret, where the new text went in.
        QTextCursor cursor = memo->textCursor();
        int from = cursor.position();
        while (excess > 0 && from > 0) {
            --from;
            excess -= shown.at(from) == u'\n' ? 2 : 1;
        }
        cursor.setPosition(from);
        cursor.setPosition(memo->textCursor().position(), QTextCursor::KeepAnchor);
        *busy = true;
        cursor.removeSelectedText();
        *busy = false;
        memo->setTextCursor(cursor);
    });
}

} // namespace memolimit
