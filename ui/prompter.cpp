#include "ui/prompter.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/ansi.h"
#include "ui/strings.h"

MessageAnswer QtPrompter::ShowMessage(QWidget* parent, const std::string& text,
                                      const std::string& title, MessageButtons buttons) {
    QMessageBox box(parent);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);  // a "<" in a text is a character, not markup
    box.setWindowTitle(FromAnsi(title));
    box.setText(FromAnsi(text));
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    if (buttons == MessageButtons::SaveDiscardCancel) {
        // The buttons speak the language in force, not the system's.
        QPushButton* save = box.addButton(FromAnsi(Text(SaveButtonText)), QMessageBox::AcceptRole);
        QPushButton* discard =
            box.addButton(FromAnsi(Text(DiscardButtonText)), QMessageBox::DestructiveRole);
        QPushButton* cancel =
            box.addButton(FromAnsi(Text(CancelButtonText)), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == save) return MessageAnswer::Save;
        return box.clickedButton() == discard ? MessageAnswer::Discard : MessageAnswer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(buttons == MessageButtons::YesNo ? QMessageBox::Yes : QMessageBox::No);
    // Escape and the title bar's close button both answer No.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MessageAnswer::Yes
                                                               : MessageAnswer::No;
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
