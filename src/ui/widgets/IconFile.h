#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

namespace ui {

// A Windows icon file (.ico) holding the pictures as PNG, each at most 256 pixels square: the
// program's icon for its shortcut and its installer entry. Empty when a picture cannot be encoded.
QByteArray ico_file(const QList<QImage>& pictures);

} // namespace ui
