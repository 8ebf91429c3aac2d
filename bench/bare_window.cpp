// bare_window: a bare Qt window with the same controls and menus as Quenmark's,
// and nothing behind them: the yardstick the start-up cost is measured against.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare");
    const char* menus[][7] = {
        {"&File", "&Open", "Open &Recent", "&Save", "&Import...", "Enlarge &Table...", "E&xit"},
        {"&Edit", "&Undo", "&Redo", "&Find...", "&Check"},
        {"&Options", "&Language"},
        {"&Help", "&About", "&Versions Compatible"}};
    for (const auto& items : menus) {
        QMenu* menu = window.menuBar()->addMenu(items[0]);
        for (int i = 1; i < 7 && items[i]; ++i) menu->addAction(items[i]);
    }
    auto* client = new QWidget(&window);
    client->setFixedSize(354, 432);
    window.setCentralWidget(client);
    int top = 8;
    for (const char* text : {"Export List as .txt", "Change Entry", "Insert New Entry"}) {
        (new QPushButton(text, client))->setGeometry(8, top, 170, 50);
        top += 56;
    }
    (new QComboBox(client))->setGeometry(8, 176, 170, 21);
    (new QPushButton("Delete Entry", client))->setGeometry(8, 203, 170, 50);
    (new QListWidget(client))->setGeometry(184, 8, 160, 414);
    for (int i = 0; i < 4; ++i) (new QLabel("Number:", client))->move(8, 259 + 19 * i);
    window.statusBar();
    window.show();
    return application.exec();
}
