#pragma once

#include "app/GeneralGuide.h"

// The guide page of the entries register, shown by the entry screen and its menu: the paragraphs
// of the general guide about the register.
namespace EntryGuide {

inline const QString kTitle = QStringLiteral("App Registro Ingressi");
inline QString text() {
    return GeneralGuide::text(26, 33);
}

} // namespace EntryGuide
