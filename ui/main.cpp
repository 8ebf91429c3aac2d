#include <QTimer>
#include <exception>
#include <iostream>
#include <string_view>

#include "ui/application.h"
#include "ui/form1.h"
#include "ui/strings.h"

namespace {

constexpr const char* Usage =
    "Usage: quenmark [ROM]\n"
    "Edits the egg-move table of a Generation III Game Boy Advance ROM image.\n"
    "ROM is opened at start as File, Open opens it.\n\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before the toolkit starts, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (arg == "-v" || arg == "--version") {
            std::cout << "quenmark " << ProgramVersion << "\n";
            return 0;
        }
    }
    QuenmarkApplication application(argc, argv);
    QStringList files = application.arguments().mid(1);
    // An option Qt did not take is no ROM.
    if (!files.isEmpty() && files.front().startsWith('-')) files.prepend(QString());
    if (files.size() > 1) {
        std::cerr << Usage;
        return 2;
    }
    try {
        QtPrompter prompter;
        TForm1 Form1(prompter);
        Form1.show();
        // Once the window shows, so that its questions come over it.
        if (!files.isEmpty())
            QTimer::singleShot(0, &Form1, [&Form1, &files] { Form1.OpenFile(files.front()); });
        application.exec();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException({});
    }
    return 0;
}
