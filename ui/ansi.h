// The one way program text (8-bit Windows-1252) reaches the screen.
#pragma once

#include <QString>
#include <string>

QString FromAnsi(const std::string& text);
