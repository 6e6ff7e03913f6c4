#include "export/spreadsheet.h"

#include "common/cp1252.h"
#include "common/errors.h"
#include "common/largebuffer.h"
#include "common/text.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace spreadsheet
{

namespace
{

// Everything before the first data row.
QByteArray head()
{
    static const char *const kPieces[] = {
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">",
        "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
        "<!--[if gte mso 9]><xml>",
        "<x:ExcelWorkbook>",
        "<x:ExcelWorksheets>",
        "<x:ExcelWorksheet>",
        "<x:Name>Candidati esaminati</x:Name>",
        "<x:WorksheetOptions>",
        "<x:Selected/>",
        "<x:Panes>",
        "<x:Pane>",
        "<x:Number>1</x:Number>",
        "<x:ActiveRow>3</x:ActiveRow>",
        "</x:Pane>",
        "</x:Panes>",
        "<x:ProtectContents>False</x:ProtectContents>",
        "<x:ProtectObjects>False</x:ProtectObjects>",
        "<x:ProtectScenarios>False</x:ProtectScenarios>",
        "</x:WorksheetOptions>",
        "</x:ExcelWorksheet>",
        "</x:ExcelWorksheets>",
        "</x:ExcelWorkbook>",
        "</xml><![endif]-->",
        "</head>",
        "<body>",
        "<table x:str>",
        "<tr>",
    };
    static const struct {
        const char *width;
        const char *title;
    } kHeader[] = {
        {"300", "Candidato"},        {"200", "Codice fiscale"}, {"250", "Provenienza"}, {"180", "Data esame"},
        {"200", "Punteggio totale"}, {"400", "Note"},           {"180", "Idoneo"},
    };
    QByteArray out;
    for (const char *piece : kPieces)
        out += piece;
    for (const auto &h : kHeader) {
        out += "<td style=\"text-align: left; font-weight: bold;\" width=";
        out += h.width;
        out += '>';
        out += h.title;
        out += "</td>";
    }
    out += "</tr>";
    return out;
}

// Escapes and encodes one cell in a single pass: large sessions hold hundreds
// of thousands of cells.
void appendCell(QByteArray &out, const QString &cell)
{
    const QString t = text::trimmed(cell);
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t.at(i).unicode();
        if (c == u'&')
            out += "&amp;";
        else if (c == u'<')
            out += "&lt;";
        else if (c == u'>')
            out += "&gt;";
        else if (c < 0x80)
            out += char(c);
        else if (QChar::isHighSurrogate(c) && i + 1 < t.size() && t.at(i + 1).isLowSurrogate())
            out += cp1252::encode(t.mid(i++, 2));
        else
            out += cp1252::encodeChar(QChar(c));
    }
}

// The rows between the head and the end, each cell appended by appendCellAt(out, row, column).
template <typename AppendCell> QByteArray documentWith(qsizetype rowCount, AppendCell appendCellAt)
{
    static const QByteArray kHead = head();
    static const QByteArray kCellOpen = QByteArrayLiteral("<td style=\"text-align: left;\">");

    QByteArray out;
    // Roughly what a row of short texts takes, so large sessions grow the buffer rarely.
    out.reserve(kHead.size() + rowCount * 320 + 64);
    out += kHead;
    for (qsizetype r = 0; r < rowCount; ++r) {
        out += "<tr>";
        for (int c = 0; c < kWrittenColumns; ++c) {
            out += kCellOpen;
            appendCellAt(out, r, c);
            out += "</td>";
        }
        out += "</tr>";
    }
    out += "</table></body></html>";
    return out;
}

} // namespace

QString fileName()
{
    return QStringLiteral("Sessione_Esame.xls");
}

QByteArray document(qsizetype rowCount, const std::function<QString(qsizetype, int)> &cell)
{
    return documentWith(rowCount, [&](QByteArray &out, qsizetype r, int c) { appendCell(out, cell(r, c)); });
}

QByteArray documentOfBytes(qsizetype rowCount,
                           const std::function<bool(qsizetype, int, QByteArrayView &, QString &)> &cell)
{
    static const QByteArray kHead = head();
    static const QByteArrayView kCellOpen("<td style=\"text-align: left;\">");
    static const QByteArrayView kCellClose("</td>");
    static const QByteArrayView kEnd("</table></body></html>");

    // Written through a pointer into a buffer grown ahead of need: 700,000 cells
    // appended piece by piece cost more than the rest of the export.
    QByteArray out;
    out.resize(kHead.size() + rowCount * 320 + kEnd.size());
    adviseLargeBuffer(out.data(), out.size());
    qsizetype at = 0;
    const auto room = [&](qsizetype n) {
        if (at + n > out.size())
            out.resize(std::max(out.size() * 2, at + n));
    };
    const auto put = [&](QByteArrayView piece) {
        std::memcpy(out.data() + at, piece.data(), size_t(piece.size()));
        at += piece.size();
    };
    room(kHead.size());
    put(kHead);
    QByteArrayView bytes;
    QString text;
    QByteArray encoded;
    for (qsizetype r = 0; r < rowCount; ++r) {
        room(9);
        put("<tr>");
        for (int c = 0; c < kWrittenColumns; ++c) {
            // An edited cell comes as text, escaped and encoded here.
            const bool stored = cell(r, c, bytes, text);
            if (stored) {
                bytes = text::trimmed(bytes);
            } else {
                encoded.clear();
                appendCell(encoded, text);
                bytes = encoded;
            }
            // Each byte may become a 5-byte reference.
            room(kCellOpen.size() + kCellClose.size() + bytes.size() * 5);
            put(kCellOpen);
            const char *p = bytes.data();
            qsizetype run = 0;
            for (qsizetype i = 0; i < bytes.size(); ++i) {
                const char ch = p[i];
                if ((ch != '&' && ch != '<' && ch != '>') || !stored)
                    continue;
                put(QByteArrayView(p + run, i - run));
                put(ch == '&' ? QByteArrayView("&amp;")
                              : (ch == '<' ? QByteArrayView("&lt;") : QByteArrayView("&gt;")));
                run = i + 1;
            }
            put(QByteArrayView(p + run, bytes.size() - run));
            put(kCellClose);
        }
        put("</tr>");
    }
    room(kEnd.size());
    put(kEnd);
    out.truncate(at);
    return out;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    // Written over the old file and then cut to size rather than emptied first:
    // the same bytes in the end, without giving back and taking again every page
    // of a file of tens of megabytes. A failure leaves the file empty.
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        throw SintarelError(QStringLiteral("Impossibile creare il file %1").arg(path));
    if (file.write(bytes) != bytes.size() || !file.resize(bytes.size()) || !file.flush()) {
        file.resize(0);
        throw SintarelError(QStringLiteral("Scrittura non riuscita nel file %1").arg(path));
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw SintarelError(QStringLiteral("Scrittura non riuscita nel file %1").arg(path));
}

} // namespace spreadsheet
