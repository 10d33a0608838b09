#pragma once

#include "shell/menu_items.h"

#include <QString>

// Lines of the permission-profile list: four dots per menu level, the caption
// in 60 columns, " - ", the item name in 20 (a fixed-pitch font lines them up).
QString profileLine(const MenuItemDef& item);
// The item name a line carries: the text after its last "-", trimmed, so
// captions holding a "-" ("F10 - LogOff") still give the name.
QString nameFromProfileLine(const QString& line);
// `campo` as stored: the item name padded with blanks or cut to 20 characters.
QString profileField(const QString& name);
