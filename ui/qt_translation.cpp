#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void UseQtTranslation(int index) {
    static QTranslator* translator = nullptr;
    if (translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        translator = nullptr;
    }
    if (index != 1) return;
    // Without the translations installed, the buttons simply stay in English.
    auto* french = new QTranslator;
    if (french->load(QStringLiteral("qtbase_fr"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(french))
        translator = french;
    else
        delete french;
}
