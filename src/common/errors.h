#pragma once

#include <QString>

#include <stdexcept>

// The one exception type of the program. Each user action catches it and shows
// the message its behaviour prescribes; what escapes reaches the general error
// report, which shows text().
class SintarelError : public std::runtime_error
{
public:
    explicit SintarelError(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};
