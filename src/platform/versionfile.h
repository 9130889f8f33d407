#pragma once

#include <QByteArray>
#include <QVersionNumber>

#include <optional>

namespace parlora {

// The version a version file announces: its first line (ended by CR, LF or
// CR LF), which must be numbers separated by dots, such as "3.1" or "3.10".
// Anything else (an error page, an empty file) announces nothing.
std::optional<QVersionNumber> announcedVersion(const QByteArray &versionFile);

} // namespace parlora
