#pragma once

#include "shell/version.h"

#include <QString>

namespace shell {

extern const char *const kProjectName;

constexpr int kAppTitleMaxChars = 40;

// The title derived from a product name: the last word is cut until it fits.
QString appTitleFor(const QString &productName);
// Gives the running application its title, version and organisation.
void SetAppTitle();

} // namespace shell
