#include "app/preferences/FontDialog.h"

#include "view/DialogFrame.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FontDialog::FontDialog(const FontRecord& font, QWidget* parent)
    : QDialog(parent), Chooser(new QFontDialog(this)), OkBtn(new QPushButton("OK", this)),
      CancelBtn(new QPushButton("Cancel", this)), ApplyBtn(new QPushButton("Apply", this)), font_(font)
{
    setObjectName("FontDialog");
    setWindowTitle("Font");
    // The chooser is a dialog of its own; as a plain child without its
    // buttons it is only the lists and the sample.
    Chooser->setWindowFlags(Qt::Widget);
    Chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    Chooser->setCurrentFont(ToQFont(font));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Chooser);
    layout->addLayout(BuildButtons());
    // Escape, or Enter in its lists, closes the chooser the way it closes a
    // dialog: this dialog closes instead, with the chooser kept for a reuse.
    connect(Chooser, &QDialog::finished, this, [this](int result) {
        Chooser->show();
        done(result);
    });
    SetDialogFrame(*this);
}

QLayout* FontDialog::BuildButtons()
{
    OkBtn->setObjectName("OkBtn");
    CancelBtn->setObjectName("CancelBtn");
    ApplyBtn->setObjectName("ApplyBtn");
    OkBtn->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {OkBtn, CancelBtn, ApplyBtn}) buttons->addWidget(button);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ApplyBtn, &QPushButton::clicked, this, [this] { emit Applied(Font()); });
    return buttons;
}

FontRecord FontDialog::Font() const { return WithQFont(font_, Chooser->currentFont()); }

std::optional<FontRecord> ExecFontDialog(const FontRecord& font, const FontApply& apply, QWidget* parent)
{
    FontDialog dialog(font, parent);
    QObject::connect(&dialog, &FontDialog::Applied, &dialog, apply);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Font();
}

QFont ToQFont(const FontRecord& font)
{
    QFont result(QString::fromStdString(font.Name), font.Size);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    return result;
}

FontRecord WithQFont(FontRecord font, const QFont& chosen)
{
    font.Name = chosen.family().toStdString();
    if (chosen.pointSize() > 0) font.Size = chosen.pointSize();
    font.Bold = chosen.bold();
    font.Italic = chosen.italic();
    return font;
}
