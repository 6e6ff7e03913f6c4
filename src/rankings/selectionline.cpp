#include "rankings/selectionline.h"

#include "common/text.h"

namespace lines
{
namespace
{
// Column starts of the two line layouts (rankinglines.h).
constexpr int kMeritName = 5 + 2;
constexpr int kMeritNameWidth = 35;
constexpr int kMeritScore = kMeritName + kMeritNameWidth + 7 + 16 + 8 + 63;
constexpr int kCandidateNameWidth = 34;
constexpr int kCandidateScore = kCandidateNameWidth + 7 + 16 + 8 + 10 + 8 + 54;
const QString kScoreCaption = QStringLiteral("  Punti: ");
} // namespace

QString selectionText(const QString &line, LineKind kind)
{
    if (text::trimmed(line).isEmpty())
        return {};
    const bool merit = kind == LineKind::Merit;
    QString shown =
        text::trimmed(merit ? line.mid(kMeritName, kMeritNameWidth) : line.left(kCandidateNameWidth));
    if (merit) {
        const QString rank = text::trimmed(line.left(5));
        if (!rank.isEmpty())
            shown = rank + QStringLiteral("° ") + shown;
    }
    const int scoreAt = merit ? kMeritScore : kCandidateScore;
    if (line.mid(scoreAt, kScoreCaption.size()) == kScoreCaption) {
        const QString score = text::trimmed(line.mid(scoreAt + kScoreCaption.size()));
        if (!score.isEmpty())
            shown += QStringLiteral(" — ") + score + QStringLiteral(" punti");
    }
    return text::trimmed(shown);
}

} // namespace lines
