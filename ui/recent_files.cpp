#include "ui/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "ui/form1.h"

namespace {

constexpr int RecentFileCount = 8;
// Room for a folder in a menu item; the middle of a longer one gives way.
constexpr int LongestFolder = 40;

void SetRecentFiles(QStringList files) {
    while (files.size() > RecentFileCount) files.removeLast();
    QSettings(SettingsOrganization, SettingsApplication).setValue("recentFiles", files);
}

}  // namespace

QStringList RecentFiles() {
    return QSettings(SettingsOrganization, SettingsApplication).value("recentFiles").toStringList();
}

void AddRecentFile(const QString& path) {
    QStringList recent = RecentFiles();
    const QString full = QFileInfo(path).absoluteFilePath();
    recent.removeAll(full);
    recent.prepend(full);
    SetRecentFiles(recent);
}

void ForgetRecentFile(const QString& path) {
    QStringList recent = RecentFiles();
    recent.removeAll(path);
    SetRecentFiles(recent);
}

QString RecentItemText(int index, const QString& path) {
    const QFileInfo file(path);
    QString folder = QDir::toNativeSeparators(file.absolutePath());
    if (folder.size() > LongestFolder) {
        const int half = (LongestFolder - 1) / 2;
        folder = folder.left(half) + QChar(0x2026) + folder.right(LongestFolder - 1 - half);
    }
    // A "&" in a name is a character, not the next item's accelerator.
    const QString shown = file.fileName() + " " + QChar(0x2014) + " " + folder;
    return QString("&%1 %2").arg(index + 1).arg(QString(shown).replace('&', "&&"));
}
