#include "ui/prompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "ui/ansi.h"

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
    if (!open) box.setOption(QFileDialog::DontConfirmOverwrite);
    if (!dialog.fileName.isEmpty()) box.selectFile(dialog.fileName);
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return false;
    dialog.fileName = box.selectedFiles().first();
    return true;
}
