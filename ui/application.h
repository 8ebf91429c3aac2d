// The application object: Qt's, plus the error box for an exception that
// escapes a handler or the start-up.
#pragma once

#include <QApplication>
#include <string>

class QuenmarkApplication : public QApplication {
  public:
    QuenmarkApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The toolkit's error box with the exception's message (empty when unknown).
void ShowException(const std::string& message);
