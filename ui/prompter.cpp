#include "ui/prompter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <vector>

#include "ui/ansi.h"
#include "ui/strings.h"

namespace {

void Prepare(QMessageBox& box, const std::string& text, const std::string& title) {
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);  // a "<" in a text is a character, not markup
    box.setWindowTitle(FromAnsi(title));
    box.setText(FromAnsi(text));
}

// The window's own button sets: each button with its answer, the first the
// default unless another is named, and the one Escape gives.
struct ButtonSet {
    struct Button {
        const StringPair* text;
        QMessageBox::ButtonRole role;
        MessageAnswer answer;
    };
    std::vector<Button> buttons;
    MessageAnswer byDefault;
};

ButtonSet ButtonsOf(MessageButtons buttons) {
    const ButtonSet::Button cancel{&CancelButtonText, QMessageBox::RejectRole,
                                   MessageAnswer::Cancel};
    switch (buttons) {
        case MessageButtons::SaveDiscardCancel:
            return {{{&SaveButtonText, QMessageBox::AcceptRole, MessageAnswer::Save},
                     {&DiscardButtonText, QMessageBox::DestructiveRole, MessageAnswer::Discard},
                     cancel},
                    MessageAnswer::Save};
        case MessageButtons::OverwriteReloadCancel:
            return {{{&OverwriteButtonText, QMessageBox::DestructiveRole, MessageAnswer::Overwrite},
                     {&ReloadButtonText, QMessageBox::ActionRole, MessageAnswer::Reload},
                     cancel},
                    MessageAnswer::Cancel};
        case MessageButtons::EnlargeInsertCancel:
            return {{{&EnlargeButtonText, QMessageBox::AcceptRole, MessageAnswer::Enlarge},
                     {&InsertAnywayButtonText, QMessageBox::DestructiveRole, MessageAnswer::Insert},
                     cancel},
                    MessageAnswer::Enlarge};
        default:
            return {{{&InsertAnywayButtonText, QMessageBox::DestructiveRole, MessageAnswer::Insert},
                     cancel},
                    MessageAnswer::Cancel};
    }
}

}  // namespace

MessageAnswer QtPrompter::ShowMessage(QWidget* parent, const std::string& text,
                                      const std::string& title, MessageButtons buttons) {
    QMessageBox box(parent);
    Prepare(box, text, title);
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    if (buttons != MessageButtons::YesNo && buttons != MessageButtons::YesNoDefaultNo) {
        // The buttons speak the language in force, not the system's.
        const ButtonSet set = ButtonsOf(buttons);
        std::vector<QPushButton*> shown;
        for (const ButtonSet::Button& button : set.buttons) {
            shown.push_back(box.addButton(FromAnsi(Text(*button.text)), button.role));
            if (button.answer == set.byDefault) box.setDefaultButton(shown.back());
        }
        box.setEscapeButton(shown.back());  // Cancel, last in every set
        box.exec();
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (box.clickedButton() == shown[i]) return set.buttons[i].answer;
        return MessageAnswer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    // Escape and the title bar's close button both answer No.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes
                                                               : MessageAnswer::No;
}

void QtPrompter::ShowReport(QWidget* parent, const std::string& text, const std::string& title,
                            const std::string& details) {
    QMessageBox box(parent);
    Prepare(box, text, title);
    box.setDetailedText(QString::fromUtf8(details));
    box.setStandardButtons(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

bool QtPrompter::ExecuteFileDialog(QWidget* parent, FileDialog& dialog) {
    const bool open = dialog.mode == FileDialog::Mode::Open;
    QFileDialog box(parent);
    box.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    box.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    box.setNameFilters(dialog.filters);
    box.setDefaultSuffix(dialog.defaultSuffix);
    if (!dialog.fileName.isEmpty()) box.selectFile(dialog.fileName);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.fileName = box.selectedFiles().first();
    return true;
}

std::optional<int> QtPrompter::AskCount(QWidget* parent, const CountQuestion& question) {
    QDialog box(parent);
    box.setWindowTitle(FromAnsi(question.title));
    auto* layout = new QVBoxLayout(&box);
    auto* label = new QLabel(FromAnsi(question.label), &box);
    auto* count = new QSpinBox(&box);
    count->setRange(1, question.most);
    count->setValue(question.value);
    label->setBuddy(count);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    // The language in force, not the system's.
    buttons->button(QDialogButtonBox::Ok)->setText(FromAnsi(question.ok));
    buttons->button(QDialogButtonBox::Cancel)->setText(FromAnsi(question.cancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(count);
    layout->addWidget(buttons);
    count->selectAll();
    count->setFocus();
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return count->value();
}
