#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace tervano {

// A failure that no handler catches: it ends the handler at the failing step and the
// event loop shows its message in the application's error box.
class Failure : public std::exception
{
public:
    explicit Failure(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The silent-abort kind: ends the handler like any failure but is never shown.
class SilentAbort : public Failure
{
public:
    SilentAbort() : Failure(QString()) {}
};

} // namespace tervano
