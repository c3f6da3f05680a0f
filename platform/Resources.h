#pragma once
// The program's embedded resources (die pictures, sounds, icon, pictures),
// found by name without regard to letter case, as resource names are.

#include <QByteArray>
#include <QString>

// The bytes of the resource, or an empty array when there is none of that name.
QByteArray LoadResourceData(const QString& AName);

// The Qt resource path of the resource (":/res/DICE1"), or an empty string.
QString ResourcePath(const QString& AName);
