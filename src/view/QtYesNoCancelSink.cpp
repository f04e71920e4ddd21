#include "view/QtYesNoCancelSink.h"

#include <QApplication>

YesNoCancelAnswer QtYesNoCancelSink::Ask(const std::string& caption, const std::string& text)
{
    const auto box = BuildYesNoCancelBox(caption, text);
    switch (box->exec()) {
    case QMessageBox::Yes:
        return YesNoCancelAnswer::Yes;
    case QMessageBox::No:
        return YesNoCancelAnswer::No;
    default:
        return YesNoCancelAnswer::Cancel;
    }
}

std::unique_ptr<QMessageBox> BuildYesNoCancelBox(const std::string& caption, const std::string& text)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setWindowTitle(QString::fromStdString(caption));
    box->setTextFormat(Qt::PlainText);
    box->setText(QString::fromStdString(text));
    box->setIcon(QMessageBox::Warning);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box->setDefaultButton(QMessageBox::Yes);
    box->setEscapeButton(QMessageBox::Cancel);
    return box;
}
