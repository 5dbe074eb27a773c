#include "TolvaranError.h"

#include <QCoreApplication>

#include <utility>

namespace tolvaran {

TolvaranError::TolvaranError(Kind kind, std::variant<QString, PermissionKind> payload)
    : m_kind(kind)
    , m_payload(std::move(payload))
{ }

TolvaranError TolvaranError::connectionFailed(const QString& message)
{
    return {Kind::connectionFailed, message};
}

TolvaranError TolvaranError::audioCaptureFailed(const QString& message)
{
    return {Kind::audioCaptureFailed, message};
}

TolvaranError TolvaranError::permissionDenied(PermissionKind permission)
{
    return {Kind::permissionDenied, permission};
}

TolvaranError TolvaranError::serverError(const QString& message)
{
    return {Kind::serverError, message};
}

QString TolvaranError::message() const
{
    const auto* text = std::get_if<QString>(&m_payload);
    return text ? *text : QString();
}

std::optional<TolvaranError::PermissionKind> TolvaranError::permission() const
{
    const auto* permission = std::get_if<PermissionKind>(&m_payload);
    return permission ? std::optional(*permission) : std::nullopt;
}

QString TolvaranError::errorDescription() const
{
    switch (m_kind) {
    case Kind::connectionFailed:
        return QCoreApplication::translate("TolvaranError", "Connection failed: %1").arg(message());
    case Kind::audioCaptureFailed:
        return QCoreApplication::translate("TolvaranError", "Audio capture failed: %1").arg(message());
    case Kind::permissionDenied:
        return QCoreApplication::translate("TolvaranError", "Microphone permission is required");
    case Kind::serverError:
        return QCoreApplication::translate("TolvaranError", "Server error: %1").arg(message());
    }
    Q_UNREACHABLE();
    return {};
}

QString TolvaranError::summary() const
{
    switch (m_kind) {
    case Kind::connectionFailed:
        return QCoreApplication::translate("TolvaranError", "Connection failed");
    case Kind::audioCaptureFailed:
        return QCoreApplication::translate("TolvaranError", "Audio capture failed");
    case Kind::permissionDenied:
        return QCoreApplication::translate("TolvaranError", "Microphone permission is required");
    case Kind::serverError:
        return QCoreApplication::translate("TolvaranError", "Server error");
    }
    Q_UNREACHABLE();
    return {};
}

QString capitalized(const QString& text)
{
    QString result = text.toLower();
    bool atWordStart = true;
    for (QChar& c : result) {
        if (c.isSpace()) {
            atWordStart = true;
        } else if (atWordStart) {
            c = c.toUpper();
            atWordStart = false;
        }
    }
    return result;
}

} // namespace tolvaran
