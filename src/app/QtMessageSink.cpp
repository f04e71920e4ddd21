#include "app/QtMessageSink.h"

#include "view/DialogFrame.h"

#include <QApplication>
#include <QGridLayout>
#include <QSpacerItem>

namespace {

// Wide enough for the caption and the title bar's buttons, which would
// otherwise leave a short caption such as "Read" shown as an ellipsis.
constexpr int kMinimumBoxWidth = 360;

// Captions and texts are 8-bit text; file names on this system are UTF-8.
QString FromBytes(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// An empty title is replaced by the program's name on this platform; a
// blank keeps the title bar empty, as the empty caption means.
QString Title(const std::string& caption) { return caption.empty() ? QString(" ") : FromBytes(caption); }

// A message box sizes itself to its text; a spacer across its whole grid
// is the one width it keeps to.
void KeepMinimumWidth(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(kMinimumBoxWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                  1, grid->columnCount());
}

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
    box->setWindowTitle(Title(caption));
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
    KeepMinimumWidth(*box);
    SetDialogFrame(*box);
    return box;
}
