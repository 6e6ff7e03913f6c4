#pragma once

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>

// One candidate record as stored in a session file: eight fixed single-byte text
// arrays, each text ended by a NUL, 5865 bytes with no padding. The field names
// follow the editor's controls, not their contents: Telefono holds the
// provenance, Email the exam date, Responsabile the fiscal code.
struct TScheda {
    char Concorrente[121];
    char Responsabile[121];
    char Telefono[51];
    char Email[51];
    char Gare[5001];
    char Punteggio[16];
    char Note[501];
    char Completato[3];

    enum class Field { Concorrente, Responsabile, Telefono, Email, Gare, Punteggio, Note, Completato };

    static constexpr qsizetype kSize = 5865;

    // Byte offset and array size of a field.
    static qsizetype offset(Field f);
    static qsizetype capacity(Field f);

    // The text of a field: its bytes up to the first NUL (all of them when there
    // is none), decoded from Windows-1252. Not trimmed.
    QString text(Field f) const;

    // Stores a text: encoded to Windows-1252, cut to the field's longest text
    // (array size - 1) without a message, then a NUL. Later bytes keep what the
    // buffer held.
    void setText(Field f, const QString &value);

    // Eligible flag: 53 EC 00 ("Sì") or 4E 6F 00 ("No"), fixed bytes.
    void setEligible(bool eligible);

    // The trimmed flag text, to compare with eligibleYes() / eligibleNo().
    QString flagText() const;
    static QString eligibleYes() { return QStringLiteral("S\u00ec"); }
    static QString eligibleNo() { return QStringLiteral("No"); }

    // A zero-filled record.
    static TScheda blank();

    char *bytes() { return reinterpret_cast<char *>(this); }
    const char *bytes() const { return reinterpret_cast<const char *>(this); }

private:
    char *field(Field f) { return bytes() + offset(f); }
    const char *field(Field f) const { return bytes() + offset(f); }
};

static_assert(sizeof(TScheda) == TScheda::kSize, "TScheda must be 5865 bytes with no padding");
static_assert(offsetof(TScheda, Gare) == 344);
static_assert(offsetof(TScheda, Completato) == 5862);

// Every text field of a record in stored order (the flag excluded).
inline constexpr std::array<TScheda::Field, 7> kTextFields = {
    TScheda::Field::Concorrente, TScheda::Field::Responsabile, TScheda::Field::Telefono,
    TScheda::Field::Email,       TScheda::Field::Gare,         TScheda::Field::Punteggio,
    TScheda::Field::Note};

// Every field in stored order, the flag last.
inline constexpr std::array<TScheda::Field, 8> kAllFields = {
    TScheda::Field::Concorrente, TScheda::Field::Responsabile, TScheda::Field::Telefono,
    TScheda::Field::Email,       TScheda::Field::Gare,         TScheda::Field::Punteggio,
    TScheda::Field::Note,        TScheda::Field::Completato};

// The fields whose stored texts (the bytes up to their NUL) differ, in stored
// order. Bytes after a field's NUL carry no meaning and are not compared.
QList<TScheda::Field> differingFields(const TScheda &a, const TScheda &b);
