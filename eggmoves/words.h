// A text for the user in both languages of the window and the page, as UTF-8.
// The core says what happened in Words; each front end shows the language in
// force, and the command line speaks English.
#pragma once

#include <string>

struct Words {
    std::string english;
    std::string french;

    // language: 0 English, 1 French, as the front ends number them.
    const std::string& In(int language) const { return language == 1 ? french : english; }
};
