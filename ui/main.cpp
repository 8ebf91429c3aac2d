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
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException({});
    }
    Form1 = nullptr;
    return 0;
}
