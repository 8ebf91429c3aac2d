#include "ui/find.h"

#include <QListWidget>

namespace {

// Case and accents aside: "e" finds "\u00C9".
QString Folded(const QString& text) {
    QString folded;
    for (const QChar c : text.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) folded += c;
    return folded.toCaseFolded();
}

}  // namespace

int FindRow(const QListWidget* list, const QString& text, int current, bool backwards, bool from) {
    const QString wanted = Folded(text);
    const int count = list->count();
    const int step = backwards ? -1 : 1;
    int row = current < 0 ? (backwards ? count - 1 : 0) : from ? current : current + step;
    for (int i = 0; i < count; ++i, row += step) {
        row = (row + count) % count;
        if (Folded(list->item(row)->text()).contains(wanted)) return row;
    }
    return -1;
}
