// The one way program text (8-bit Windows-1252) reaches the screen.
#pragma once

#include <QString>
#include <string>

QString FromAnsi(const std::string& text);
// Back to program text, for the core's UTF-8 words on their way to a box.
std::string ToAnsi(const QString& text);
