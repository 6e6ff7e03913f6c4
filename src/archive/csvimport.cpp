#include "archive/csvimport.h"

#include "archive/backup.h"
#include "archive/changelog.h"

#include "archive/sessionfile.h"
#include "common/cp1252.h"
#include "common/formats.h"
#include "common/text.h"
#include "editor/assembling.h"
#include "editor/score.h"
#include "tools/fiscalcode.h"
#include "tools/vatnumber.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace csvimport
{

namespace
{

// Lower case without accents or blanks: the form headers and flags are compared in.
QString folded(const QString &s)
{
    const QString decomposed = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.unicode() <= 32 || c.isSpace() || c.isMark())
            continue;
        out.append(c.toLower());
    }
    return out;
}

struct Alias {
    const char *folded;
    Target target;
};

// The editor's own captions come first, so a file this program exported maps
// back column by column.
const Alias kAliases[] = {
    {"candidato", Target::Name},
    {"cognomeenome", Target::Name},
    {"nominativo", Target::Name},
    {"nome", Target::Name},
    {"codicefiscale", Target::FiscalCode},
    {"cf", Target::FiscalCode},
    {"provenienza", Target::Provenance},
    {"comune", Target::Provenance},
    {"scuola", Target::Provenance},
    {"dataesame", Target::ExamDate},
    {"data", Target::ExamDate},
    {"prove", Target::Details},
    {"dettagli", Target::Details},
    {"punteggiototale", Target::Score},
    {"punteggio", Target::Score},
    {"voto", Target::Score},
    {"punti", Target::Score},
    {"note", Target::Notes},
    {"idoneo", Target::Eligible},
};

// A single-line field cannot hold a line break: it becomes a blank, as pasting
// into the editor's field would show it.
QString singleLine(const QString &cell)
{
    QString s = text::trimmed(cell);
    s.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    s.replace(u'\r', u' ');
    s.replace(u'\n', u' ');
    return s;
}

QString fieldCaption(TScheda::Field f)
{
    using F = TScheda::Field;
    switch (f) {
    case F::Concorrente:
        return targetCaption(Target::Name);
    case F::Responsabile:
        return targetCaption(Target::FiscalCode);
    case F::Telefono:
        return targetCaption(Target::Provenance);
    case F::Email:
        return targetCaption(Target::ExamDate);
    case F::Gare:
        return targetCaption(Target::Details);
    case F::Punteggio:
        return targetCaption(Target::Score);
    case F::Note:
        return targetCaption(Target::Notes);
    case F::Completato:
        return targetCaption(Target::Eligible);
    }
    return QString();
}

// Whether the fiscal-code field holds something the editor's check would accept:
// a fiscal code, or (all digits) a VAT number.
bool codeLooksRight(const QString &code)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (digits.match(code).hasMatch())
        return vatnumber::isValid(code);
    return fiscalcode::isValid(code);
}

bool blankRow(const QStringList &cells)
{
    for (const QString &c : cells)
        if (!text::trimmed(c).isEmpty())
            return false;
    return true;
}

} // namespace

QString targetCaption(Target target)
{
    switch (target) {
    case Target::Name:
        return QStringLiteral("Candidato");
    case Target::FiscalCode:
        return QStringLiteral("Codice fiscale");
    case Target::Provenance:
        return QStringLiteral("Provenienza");
    case Target::ExamDate:
        return QStringLiteral("Data esame");
    case Target::Details:
        return QStringLiteral("Prove");
    case Target::Score:
        return QStringLiteral("Punteggio totale");
    case Target::Notes:
        return QStringLiteral("Note");
    case Target::Eligible:
        return QStringLiteral("Idoneo");
    case Target::Ignored:
        break;
    }
    return QStringLiteral("(ignorata)");
}

Target targetOfHeader(const QString &header)
{
    const QString f = folded(header);
    for (const Alias &a : kAliases)
        if (f == QLatin1String(a.folded))
            return a.target;
    return Target::Ignored;
}

QStringList Reading::ignoredHeaders() const
{
    QStringList out;
    for (const Column &c : columns)
        if (c.target == Target::Ignored && !c.header.isEmpty())
            out.append(c.header);
    return out;
}

QString Reading::countsText() const
{
    return QStringLiteral("%1 schede da importare, %2 righe con errori, %3 avvisi")
        .arg(records.size())
        .arg(errors.size())
        .arg(warnings.size());
}

QString decode(const QByteArray &bytes, QString *encoding)
{
    if (encoding)
        *encoding = QStringLiteral("UTF-8");
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8(bytes.mid(3));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString s = utf8(bytes);
    if (!utf8.hasError())
        return s;
    if (encoding)
        *encoding = QStringLiteral("Windows-1252");
    return cp1252::decode(bytes);
}

QChar detectSeparator(const QString &text)
{
    int semicolons = 0, commas = 0, tabs = 0;
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted; // a doubled quote toggles twice
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u';')
            ++semicolons;
        else if (!quoted && c == u',')
            ++commas;
        else if (!quoted && c == u'\t')
            ++tabs;
    }
    if (tabs > semicolons && tabs > commas)
        return u'\t';
    if (commas > semicolons)
        return u',';
    return u';';
}

QList<QStringList> parseRows(const QString &text, QChar separator, bool *unterminated)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool cellStarted = false; // something of the current row has been read
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text.at(i + 1) == u'"') {
                    cell.append(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell.append(c);
            }
            continue;
        }
        if (c == u'"' && cell.isEmpty()) {
            quoted = true;
            cellStarted = true;
        } else if (c == separator) {
            row.append(cell);
            cell.clear();
            cellStarted = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
            row.append(cell);
            rows.append(row);
            row.clear();
            cell.clear();
            cellStarted = false;
        } else {
            cell.append(c);
            cellStarted = true;
        }
    }
    if (cellStarted || !cell.isEmpty() || !row.isEmpty()) {
        row.append(cell);
        rows.append(row);
    }
    if (unterminated)
        *unterminated = quoted;
    return rows;
}

QString normalisedDate(const QString &s)
{
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    static const QRegularExpression dayFirst(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4}$"));
    const QString t = text::trimmed(s);
    QDate d;
    if (const QRegularExpressionMatch m = iso.match(t); m.hasMatch())
        d = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    else if (dayFirst.match(t).hasMatch())
        d = formats::parseDate(t);
    return d.isValid() ? formats::date(d) : QString();
}

bool eligible(const QString &s, bool *known)
{
    const QString f = folded(s);
    static const QStringList yes = {QStringLiteral("si"), QStringLiteral("s"), QStringLiteral("x"),
                                    QStringLiteral("1"), QStringLiteral("true")};
    static const QStringList no = {QString(), QStringLiteral("no"), QStringLiteral("n"), QStringLiteral("0"),
                                   QStringLiteral("false")};
    const bool ticked = yes.contains(f);
    if (known)
        *known = ticked || no.contains(f);
    return ticked;
}

Reading read(const QByteArray &bytes, const QDate &today)
{
    Reading r;
    const QString content = decode(bytes, &r.encoding);
    r.separator = detectSeparator(content);
    bool unterminated = false;
    const QList<QStringList> rows = parseRows(content, r.separator, &unterminated);
    if (rows.isEmpty() || blankRow(rows.first())) {
        r.refusal = QStringLiteral("Attenzione: il file non contiene la riga di intestazione con i nomi "
                                   "delle colonne.");
        return r;
    }

    // Column index of each target; the first column of a kind wins.
    int index[int(Target::Ignored)];
    std::fill(std::begin(index), std::end(index), -1);
    const QStringList &header = rows.first();
    for (int c = 0; c < header.size(); ++c) {
        Column col{text::trimmed(header[c]), targetOfHeader(header[c])};
        if (col.target != Target::Ignored) {
            if (index[int(col.target)] >= 0)
                col.target = Target::Ignored;
            else
                index[int(col.target)] = c;
        }
        r.columns.append(col);
    }
    if (index[int(Target::Name)] < 0) {
        r.refusal = QStringLiteral(
            "Attenzione: il file non contiene la colonna con il nome del candidato.\r\n\r\nLa prima riga "
            "deve indicare il nome di ogni colonna; quella del nome può chiamarsi Candidato, Cognome e "
            "nome, Nominativo o Nome.");
        return r;
    }

    const QString todayText = formats::date(today);
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList &cells = rows[i];
        if (blankRow(cells))
            continue;
        const int rowNumber = int(i + 1);
        auto cell = [&](Target t) {
            const int c = index[int(t)];
            return c >= 0 && c < cells.size() ? cells[c] : QString();
        };
        QStringList errors, warnings;

        assembling::Fields f;
        f.name = singleLine(cell(Target::Name));
        if (f.name.isEmpty())
            errors.append(QStringLiteral("manca il nome del candidato"));
        f.fiscalCode = text::upperAZ(singleLine(cell(Target::FiscalCode)));
        if (!f.fiscalCode.isEmpty() && !codeLooksRight(f.fiscalCode))
            warnings.append(QStringLiteral("codice fiscale %1 non valido").arg(f.fiscalCode));
        f.provenance = singleLine(cell(Target::Provenance));
        if (index[int(Target::ExamDate)] < 0) {
            f.examDate = todayText;
        } else {
            const QString typed = text::trimmed(cell(Target::ExamDate));
            f.examDate = normalisedDate(typed);
            if (typed.isEmpty())
                errors.append(QStringLiteral("manca la data dell'esame"));
            else if (f.examDate.isEmpty())
                errors.append(QStringLiteral("data dell'esame non leggibile (%1)").arg(typed));
        }
        f.details = text::trimmed(cell(Target::Details));
        const QString typedScore = text::trimmed(cell(Target::Score));
        double value = 0;
        if (typedScore.isEmpty() || score::parse(typedScore, &value))
            f.score = score::normalised(typedScore);
        else
            errors.append(QStringLiteral("punteggio non leggibile (%1)").arg(typedScore));
        f.notes = singleLine(cell(Target::Notes));
        bool known = true;
        const QString flag = text::trimmed(cell(Target::Eligible));
        f.eligible = eligible(flag, &known);
        if (!known)
            warnings.append(
                QStringLiteral("idoneità non riconosciuta (%1): la casella resta vuota").arg(flag));
        if (unterminated && i == rows.size() - 1)
            errors.append(QStringLiteral("virgolette non chiuse"));
        for (const assembling::Overflow &o : assembling::overflows(f))
            errors.append(QStringLiteral("%1 troppo lungo (%2 caratteri, al massimo %3)")
                              .arg(fieldCaption(o.field))
                              .arg(o.length)
                              .arg(o.longest));

        if (!warnings.isEmpty())
            r.warnings.append({rowNumber, warnings.join(QStringLiteral("; "))});
        if (!errors.isEmpty())
            r.errors.append({rowNumber, errors.join(QStringLiteral("; "))});
        else
            r.records.append(assembling::record(f));
    }
    if (r.records.isEmpty() && r.errors.isEmpty())
        r.refusal = QStringLiteral("Attenzione: il file non contiene nessun candidato da importare.");
    return r;
}

QStringList mappingLines(const Reading &reading)
{
    QStringList lines;
    for (const Column &c : reading.columns)
        if (c.target != Target::Ignored)
            lines.append(QStringLiteral("%1 \u2190 %2").arg(targetCaption(c.target), c.header));
    const QStringList ignored = reading.ignoredHeaders();
    if (!ignored.isEmpty())
        lines.append(QStringLiteral("Colonne ignorate: %1").arg(ignored.join(QStringLiteral(", "))));
    bool hasDate = false;
    for (const Column &c : reading.columns)
        hasDate = hasDate || c.target == Target::ExamDate;
    if (!hasDate)
        lines.append(QStringLiteral("Nessuna colonna della data: ogni scheda riceve la data di oggi."));
    return lines;
}

QString dialectText(const Reading &reading)
{
    const QString separator = reading.separator == u'\t' ? QStringLiteral("tabulazione")
                                                         : QStringLiteral("\"%1\"").arg(reading.separator);
    return QStringLiteral("Codifica %1, separatore %2").arg(reading.encoding, separator);
}

QStringList problemLines(const Reading &reading)
{
    QStringList lines;
    for (const Problem &p : reading.errors)
        lines.append(QStringLiteral("Riga %1: %2").arg(p.row).arg(p.reason));
    for (const Problem &p : reading.warnings)
        lines.append(QStringLiteral("Riga %1 (avviso): %2").arg(p.row).arg(p.reason));
    return lines;
}

QList<TScheda::Field> previewFields()
{
    using F = TScheda::Field;
    return {F::Concorrente, F::Responsabile, F::Telefono, F::Email,
            F::Gare,        F::Punteggio,    F::Note,     F::Completato};
}

QString previewText(const TScheda &record, TScheda::Field field)
{
    QString t = record.text(field);
    t.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
    return t;
}

Appended appendAll(const QString &sessionPath, const QList<TScheda> &records, const QDateTime &when)
{
    Appended done;
    SessionFile file(sessionPath);
    // Copied under the lock, as the editor's save does.
    done.backupFailed = backup::Keeper::thisRun().beforeWrite(sessionPath, when) == backup::Result::Failed;
    done.firstNumber = file.appendAll(records);
    file.close();
    done.logFailed = !changelog::logNewRecords(sessionPath, when, done.firstNumber, records);
    return done;
}

} // namespace csvimport
