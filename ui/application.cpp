#include "ui/application.h"

#include <QMessageBox>
#include <exception>

#include "ui/font.h"
#include "ui/no_icon_style.h"

QuenmarkApplication::QuenmarkApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setStyle(new NoIconStyle);
    QIcon icon;
    // The sizes a title bar and a task switcher use: decoding the large ones would
    // slow every start, and menus and file managers use the installed icons.
    for (const int size : {32, 48})
        icon.addFile(QString(":/icons/%1/org.example.quenmark.png").arg(size));
    setWindowIcon(icon);
    setFont(ProgramFont());  // the boxes and dialogs too, not just the window
}

bool QuenmarkApplication::notify(QObject* receiver, QEvent* event) {
    // An exception must not unwind through Qt's event loop: report it and go on,
    // so the window and the user's unsaved edits stay.
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException({});
    }
    return false;
}

void ShowException(const std::string& message) {
    QMessageBox::critical(nullptr, QStringLiteral("Quenmark"), QString::fromLocal8Bit(message));
}
