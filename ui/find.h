// Find in the list: the rows whose line holds a text, case and accents aside.
#pragma once

#include <QString>

class QListWidget;

// The next row after current (before it when backwards) whose line holds text,
// around the ends; current itself too when from is true. -1 when none does.
int FindRow(const QListWidget* list, const QString& text, int current, bool backwards, bool from);
