#include <exception>

#include "ui/application.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
    QuenmarkApplication application(argc, argv);
    try {
        QtPrompter prompter;
        TForm1 Form1(prompter);
        Form1.show();
        application.exec();
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException({});
    }
    return 0;
}
