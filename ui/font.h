// The program's one font: Tahoma at 11 pixels (8 points at 96 dpi), or Qt's
// nearest match where Tahoma is not installed.
#pragma once

#include <QFont>

inline QFont ProgramFont() {
    QFont font("Tahoma");
    font.setPixelSize(11);
    return font;
}
