// The window's one seam for modal interaction: its questions and messages and
// the file dialogs. The real prompter shows Qt's boxes; tests answer from a script.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

class QWidget;

// The button sets, with the values of the classic message-box flags.
enum class MessageButtons {
    Ok = 0,
    SaveDiscardCancel = 3,  // Save is the default, Escape cancels
    YesNo = 4,              // Yes is the default button
    YesNoDefaultNo = 0x104,
    // The window's own sets, in the language in force:
    OverwriteReloadCancel,  // Cancel is the default and Escape
    EnlargeInsertCancel,    // Enlarge Table... is the default, Escape cancels
    InsertCancel,           // Insert Anyway and Cancel, the default and Escape
};

enum class MessageAnswer { Ok, Yes, No, Save, Discard, Cancel, Overwrite, Reload, Enlarge, Insert };

// A file dialog's settings and the name it holds: the one proposed when it is
// shown, and after a confirmed show the full path the user chose.
struct FileDialog {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    QStringList filters;
    QString defaultSuffix;
    QString fileName;
};

// The texts and range of a question for a number, Windows-1252 texts.
struct CountQuestion {
    std::string title, label, ok, cancel;
    int most = 1;
    int value = 1;
};

class Prompter {
  public:
    virtual ~Prompter() = default;
    // Modal, without an icon; text and title are Windows-1252, shown as plain text.
    virtual MessageAnswer ShowMessage(QWidget* parent, const std::string& text,
                                      const std::string& title, MessageButtons buttons) = 0;
    // An OK box whose details (UTF-8, one line each) show on demand.
    virtual void ShowReport(QWidget* parent, const std::string& text, const std::string& title,
                            const std::string& details) = 0;
    // Modal; on confirm stores the chosen path in dialog.fileName and returns true.
    // A cancelled dialog leaves the name as it was.
    virtual bool ExecuteFileDialog(QWidget* parent, FileDialog& dialog) = 0;
    // Modal: a number from 1 to most, proposed as value; nullopt when cancelled.
    virtual std::optional<int> AskCount(QWidget*, const CountQuestion&) { return std::nullopt; }
};

class QtPrompter final : public Prompter {
  public:
    MessageAnswer ShowMessage(QWidget* parent, const std::string& text, const std::string& title,
                              MessageButtons buttons) override;
    void ShowReport(QWidget* parent, const std::string& text, const std::string& title,
                    const std::string& details) override;
    bool ExecuteFileDialog(QWidget* parent, FileDialog& dialog) override;
    std::optional<int> AskCount(QWidget* parent, const CountQuestion& question) override;
};
