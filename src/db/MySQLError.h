#pragma once
#include <QString>

#include <stdexcept>

// The error a database operation raises: number, source and description.
class MySQLError : public std::runtime_error {
public:
    MySQLError(unsigned number, QString source, QString description)
        : std::runtime_error(description.toStdString()), m_number(number), m_source(std::move(source)),
          m_description(std::move(description))
    {
    }
    unsigned number() const { return m_number; }
    const QString &source() const { return m_source; }
    const QString &description() const { return m_description; }

private:
    unsigned m_number;
    QString m_source;
    QString m_description;
};
