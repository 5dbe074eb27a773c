#pragma once

#include "RawRepresentable.h"

#include <QMetaType>
#include <QString>

#include <variant>

namespace tolvaran {

// The one error type of a listening run; every case carries a payload.
class TolvaranError
{
public:
    enum class Kind { connectionFailed, audioCaptureFailed, permissionDenied, serverError };
    enum class PermissionKind { microphone };

    TolvaranError() = default;

    static TolvaranError connectionFailed(const QString& message);
    static TolvaranError audioCaptureFailed(const QString& message);
    static TolvaranError permissionDenied(PermissionKind permission);
    static TolvaranError serverError(const QString& message);

    Kind kind() const { return m_kind; }

    // Empty for permissionDenied.
    QString message() const;
    // Set only for permissionDenied.
    std::optional<PermissionKind> permission() const;

    QString errorDescription() const;
    // What failed, without the details: "Connection failed".
    QString summary() const;

    bool operator==(const TolvaranError&) const = default;

private:
    TolvaranError(Kind kind, std::variant<QString, PermissionKind> payload);

    Kind m_kind = Kind::connectionFailed;
    std::variant<QString, PermissionKind> m_payload;
};

template<>
struct RawValues<TolvaranError::PermissionKind>
{
    static constexpr std::array values{"microphone"};
};

// The platform's word capitalisation: each word's first letter upper case,
// every other letter lower case ("screenRecording" gives "Screenrecording").
QString capitalized(const QString& text);

} // namespace tolvaran

Q_DECLARE_METATYPE(tolvaran::TolvaranError)
