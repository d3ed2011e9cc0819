#pragma once
// A control's Tag: the free text that names what the control stands for (the
// object field a box copies into, the list a list view holds). Kept as the
// control's dynamic property "Tag".
#include <QObject>
#include <QString>
#include <QVariant>

namespace quelvo {

inline constexpr char kPropiedadTag[] = "Tag";

inline QString Tag(const QObject* control) { return control->property(kPropiedadTag).toString(); }
inline void Tag(QObject* control, const QString& valor) { control->setProperty(kPropiedadTag, valor); }

}  // namespace quelvo
