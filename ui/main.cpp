#include <exception>

#include "ui/application.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
    QuenmarkApplication application(argc, argv);
    try {
        QtPrompter prompter;
        TForm1 form(prompter);
        Form1 = &form;
        form.show();
        application.exec();
        Form1 = nullptr;
    } catch (const std::exception& e) {
        Form1 = nullptr;
        ShowException(e.what());
    } catch (...) {
        Form1 = nullptr;
        ShowException({});
    }
    return 0;
}
