#include "app/preferences/FileDialogRequest.h"

#include "view/DialogFrame.h"

#include <QApplication>
#include <QFileDialog>

std::string QtFileDialog(const FileDialogRequest& request)
{
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    QFileDialog dialog(QApplication::activeWindow(), text(request.title), text(request.start), text(request.filter));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save || request.mayNotExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(text(request.defaultSuffix));
    // A desktop's own file dialog would not take the program's frame.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    SetDialogFrame(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front().toStdString();
}
