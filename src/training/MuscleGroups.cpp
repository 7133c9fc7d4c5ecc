#include "MuscleGroups.h"

#include <QStringList>

namespace {

using R = TSchedaAllenamento;

struct MuscleGroup {
    QString R::*flag;
    const char* name;
};

constexpr MuscleGroup kGroups[] = {
    {&R::Addominali, "Addominali"},     {&R::Adduttori, "Adduttori"},
    {&R::Bicipiti, "Bicipiti"},         {&R::BicipitiFemorali, "Bicipiti femorali"},
    {&R::Dorsali, "Dorsali"},           {&R::Glutei, "Glutei"},
    {&R::Pettorali, "Pettorali"},       {&R::Polpacci, "Polpacci"},
    {&R::Quadricipiti, "Quadricipiti"}, {&R::Spalle, "Spalle"},
    {&R::Trapezio, "Trapezio"},         {&R::Tricipiti, "Tricipiti"},
};

} // namespace

namespace MuscleGroups {

QString text(const TSchedaAllenamento& card) {
    QStringList names;
    for (const MuscleGroup& g : kGroups)
        if (card.*g.flag == QStringLiteral("Sì"))
            names << QString::fromUtf8(g.name);
    return names.join(u' ');
}

} // namespace MuscleGroups
