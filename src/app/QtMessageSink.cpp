#include "app/QtMessageSink.h"

#include <QApplication>

namespace {

// Captions and texts are 8-bit text; file names on this system are UTF-8.
QString FromBytes(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

void QtMessageSink::Beep(int, int)
{
    // Qt offers only the system's standard alert; its pitch and length are
    // the desktop's.
    QApplication::beep();
}

MessageAnswer QtMessageSink::Show(MessageKind kind, const std::string& caption, const std::string& text)
{
    const auto box = BuildMessageBox(kind, caption, text);
    switch (box->exec()) {
    case QMessageBox::Yes:
    case QMessageBox::Ok:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Cancel;
    }
}

std::unique_ptr<QMessageBox> BuildMessageBox(MessageKind kind, const std::string& caption, const std::string& text)
{
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setWindowTitle(FromBytes(caption));
    box->setTextFormat(Qt::PlainText);
    box->setText(FromBytes(text));
    switch (kind) {
    case MessageKind::Question:
        box->setIcon(QMessageBox::Question);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        break;
    case MessageKind::Warning:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Info:
        box->setIcon(QMessageBox::NoIcon);
        box->setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::SaveQuestion:
        box->setIcon(QMessageBox::Warning);
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::Cancel);
        break;
    }
    return box;
}
