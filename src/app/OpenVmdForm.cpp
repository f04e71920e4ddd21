#include "app/OpenVmdForm.h"

#include "view/DialogFrame.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

constexpr int kColumnWidths[] = {40, 100, 40, 120};

} // namespace

TOpenVmdForm::TOpenVmdForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("OpenVmdForm");
    setWindowTitle("Open Varnet");
    resize(488, 252);
    FreqListView = new QTreeWidget(this);
    FreqListView->setObjectName("FreqListView");
    FreqListView->setRootIsDecorated(false);
    FreqListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    FreqListView->setHeaderLabels({"N", "F,  kHz", "h", "F * h,  kHz"});
    for (int column = 0; column < 4; ++column) FreqListView->setColumnWidth(column, kColumnWidths[column]);
    StartLabel = new QLabel("Start, s", this);
    StartEdit = new QLineEdit("0", this);
    StartEdit->setObjectName("StartEdit");
    EndLabel = new QLabel("End, s", this);
    EndEdit = new QLineEdit("1e+99", this);
    EndEdit->setObjectName("EndEdit");
    OkBtn = new QPushButton("OK", this);
    OkBtn->setObjectName("OkBtn");
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QGridLayout;
    side->addWidget(StartLabel, 0, 0);
    side->addWidget(StartEdit, 1, 0);
    side->addWidget(EndLabel, 2, 0);
    side->addWidget(EndEdit, 3, 0);
    side->setRowStretch(4, 1);
    side->addWidget(OkBtn, 5, 0);
    side->addWidget(CancelBtn, 6, 0);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(FreqListView, 1);
    layout->addLayout(side);
    SetDialogFrame(*this, DialogBorder::Fixed);
}

FrequencyAnswer TOpenVmdForm::Ask(const FrequencyQuestion& question)
{
    Fill(question);
    return Answer(exec() == QDialog::Accepted);
}

void TOpenVmdForm::Fill(const FrequencyQuestion& question)
{
    setWindowTitle(QString::fromStdString(question.Caption));
    for (QWidget* widget : {static_cast<QWidget*>(StartLabel), static_cast<QWidget*>(StartEdit),
                            static_cast<QWidget*>(EndLabel), static_cast<QWidget*>(EndEdit)}) {
        widget->setVisible(question.AskTimes);
    }
    FreqListView->clear();
    for (size_t row = 0; row < question.Rows.size(); ++row) {
        const auto& texts = question.Rows[row];
        FreqListView->addTopLevelItem(new QTreeWidgetItem(
            {QString::number(row + 1), QString::fromStdString(texts[0]), QString::fromStdString(texts[1]),
             QString::fromStdString(texts[2])}));
    }
    // The list would make its first row current when it takes the focus,
    // and a current row looks chosen; no row is until the user picks one.
    FreqListView->setCurrentIndex(QModelIndex());
}

FrequencyAnswer TOpenVmdForm::Answer(bool ok) const
{
    FrequencyAnswer answer;
    answer.Ok = ok;
    const QList<QTreeWidgetItem*> selected = FreqListView->selectedItems();
    answer.Row = selected.isEmpty() ? -1 : FreqListView->indexOfTopLevelItem(selected.front());
    answer.Start = StartEdit->text().toStdString();
    answer.End = EndEdit->text().toStdString();
    return answer;
}
