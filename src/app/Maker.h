#pragma once

#include <QString>

// The maker's contacts, shown by the information, credits and guide windows and the main menu.
namespace Maker {
inline const QString kWebSite = QStringLiteral("https://www.zandorio.it");
inline const QString kEmail = QStringLiteral("assistenza@zandorio.it");
} // namespace Maker
