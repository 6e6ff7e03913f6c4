#pragma once

#include <QString>

#include <cstdint>

// Writes a session file of n records with varied, realistic fields, the same for
// the same seed: names, fiscal codes, dates, scores with two decimals, exam
// details of a few hundred characters and the eligible flag.
void generateSession(const QString &path, qint64 records, std::uint32_t seed = 20261209);
