// The files opened last, newest first, kept between runs, and how the Open
// Recent menu names them.
#pragma once

#include <QString>
#include <QStringList>

class QMenu;

QStringList RecentFiles();
// Puts path first, once.
void AddRecentFile(const QString& path);
void ForgetRecentFile(const QString& path);

// "&1 name.gba — folder": the folder shortened in its middle when long, so that
// two files of one name in two folders read apart.
QString RecentItemText(int index, const QString& path);
