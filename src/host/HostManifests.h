#pragma once

#include <QString>

// The files that tell a browser where the host is and which extension may
// start it, in the folders each browser reads for the user.
namespace HostManifests {

inline const QString Name = QStringLiteral("io.github.linkcrate.host");
inline const QString GeckoId = QStringLiteral(LINKCRATE_GECKO_ID);
inline const QString ChromiumOrigin = QStringLiteral("chrome-extension://" LINKCRATE_CHROMIUM_ID "/");

// Writes both manifests naming `hostPath`; returns what was written, one line a
// file, or why not in `error`.
[[nodiscard]] bool installForUser(const QString &hostPath, QString &written, QString &error);

} // namespace HostManifests
