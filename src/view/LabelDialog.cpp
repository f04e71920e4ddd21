#include "view/LabelDialog.h"

#include "view/LabelCommands.h"
#include "view/DialogFrame.h"
#include "view/document/Label.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace {

struct FormatBox {
    const char* name;
    const char* caption;
    int bit;
    int row;
    int column;
};

constexpr std::array<FormatBox, 5> kFormatBoxes = {{
    {"RXCheckBox", "R, X", kLabelRX, 0, 0},
    {"ZPhaseCheckBox", "Z, Phase", kLabelZPhase, 1, 0},
    {"VSWRCheckBox", "VSWR", kLabelVswr, 2, 0},
    {"VSWRCirclesCheckBox", "Show VSWR circles", kLabelVswrCircles, 0, 1},
    {"HideCheckBox", "Hide this label", kLabelHidden, 1, 1},
}};

// Text from a document written elsewhere may break its lines with CR LF or
// CR: the dialog shows and gives back LF only.
std::string WithLineFeeds(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            out += text[i];
            continue;
        }
        out += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
    return out;
}

// "Edit label": what a label shows and its text.
class TEditLabelForm final : public QDialog {
public:
    TEditLabelForm(QWidget* parent, const LabelEdit& edit) : QDialog(parent)
    {
        setWindowTitle("Edit label");
        resize(302, 269);
        auto* layout = new QVBoxLayout(this);
        auto* boxes = new QGridLayout;
        for (std::size_t i = 0; i < kFormatBoxes.size(); ++i) {
            const FormatBox& box = kFormatBoxes[i];
            checks_[i] = new QCheckBox(box.caption, this);
            checks_[i]->setObjectName(box.name);
            checks_[i]->setChecked((edit.Format & box.bit) != 0);
            boxes->addWidget(checks_[i], box.row, box.column);
        }
        layout->addLayout(boxes);
        memo_ = new QPlainTextEdit(QString::fromStdString(WithLineFeeds(edit.Text)), this);
        memo_->setObjectName("TextMemo");
        memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
        layout->addWidget(memo_, 1);
        applyToAll_ = new QCheckBox("Apply to all labels", this);
        applyToAll_->setObjectName("ApplyToAllCheckBox");
        layout->addWidget(applyToAll_);
        layout->addLayout(Buttons());
        SetDialogFrame(*this, DialogBorder::FixedWithoutCloseBox);
    }

    void Read(LabelEdit& edit) const
    {
        edit.Format = 0;
        for (std::size_t i = 0; i < kFormatBoxes.size(); ++i) {
            if (checks_[i]->isChecked()) edit.Format |= kFormatBoxes[i].bit;
        }
        edit.Text = WithLineFeeds(memo_->toPlainText().toStdString());
        edit.ApplyToAll = applyToAll_->isChecked();
    }

private:
    QHBoxLayout* Buttons()
    {
        auto* buttons = new QHBoxLayout;
        auto* ok = new QPushButton("OK", this);
        ok->setObjectName("OkBtn");
        ok->setDefault(true);
        auto* cancel = new QPushButton("Cancel", this);
        cancel->setObjectName("CancelBtn");
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        return buttons;
    }

    std::array<QCheckBox*, kFormatBoxes.size()> checks_{};
    QPlainTextEdit* memo_ = nullptr;
    QCheckBox* applyToAll_ = nullptr;
};

} // namespace

bool EditLabelDialog(QWidget* parent, LabelEdit& edit)
{
    TEditLabelForm form(parent, edit);
    form.setObjectName("EditLabelForm");
    if (form.exec() != QDialog::Accepted) return false;
    form.Read(edit);
    return true;
}
