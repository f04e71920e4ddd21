#pragma once

#include "app/preferences/PreferencePages.h"

#include <QWidget>

class FontChoice;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QToolButton;
class RadioGroup;

// The eight tabs of the preferences dialog. Each shows its page of the
// controls and reads it back; Changed() tells of any edit by the user. The
// buttons that act at once are connected by the dialog.

class GeneralTab final : public QWidget {
    Q_OBJECT
public:
    explicit GeneralTab(QWidget* parent);
    void Show(const GeneralPage& page);
    GeneralPage Read() const;

    RadioGroup* StartupRadioGroup;
    QLineEdit* StartupDefaultEdit;
    QPushButton* StartupEditBtn;
signals:
    void Changed();
};

class ConnectionTab final : public QWidget {
    Q_OBJECT
public:
    explicit ConnectionTab(QWidget* parent);
    void Show(const ConnectionPage& page);
    ConnectionPage Read() const;

    QComboBox* ComPortComboBox;
    QComboBox* BaudComboBox;
    QLineEdit* TimeOutEdit;
    QCheckBox* AutoSaveCheckBox;
    QCheckBox* CreateBackupCheckBox;
    QPushButton* CheckConnectionBtn;
signals:
    void Changed();
};

class GraphsTab final : public QWidget {
    Q_OBJECT
public:
    explicit GraphsTab(QWidget* parent);
    void Show(const GraphsPage& page);
    GraphsPage Read() const;
    // Only the button of the scheme is pressed.
    void ShowScheme(int scheme);

    QListWidget* TranColorsListBox;
    FontChoice* TranFont;
    QComboBox* TranLineWidthComboBox;
    QComboBox* TranPointSizeComboBox;
    QComboBox* TranVertSizeComboBox;
    QComboBox* TranHorSizeComboBox;
    QComboBox* RefLineWidthComboBox;
    QToolButton* ColorBlackBtn;
    QToolButton* ColorWhiteBtn;
    QToolButton* BWBtn;
signals:
    void Changed();
    // A scheme button was pressed: 0 black, 1 white, 2 black and white.
    void SchemeClick(int tag);

private:
    void ColorsListBoxDblClick();
    QWidget* BuildSchemeToolBar();
};

class TableTab final : public QWidget {
    Q_OBJECT
public:
    explicit TableTab(QWidget* parent);
    void Show(const TablePage& page);
    TablePage Read() const;

    FontChoice* TableFont;
    QComboBox* TableDataDigitsComboBox;
signals:
    void Changed();
};

class LabelTab final : public QWidget {
    Q_OBJECT
public:
    explicit LabelTab(QWidget* parent);
    void Show(const LabelPage& page);
    LabelPage Read() const;

    FontChoice* LabelFont;
    QComboBox* LabelDataDigitsComboBox;
    QComboBox* LabelSizeComboBox;
    QLineEdit* VSWRCirclesEdit;
signals:
    void Changed();
};

class StatusTab final : public QWidget {
    Q_OBJECT
public:
    explicit StatusTab(QWidget* parent);
    void Show(const StatusPage& page);
    StatusPage Read() const;

    QComboBox* StatusDigitsComboBox;
    RadioGroup* StatusSmithRadioGroup;
signals:
    void Changed();
};

class CorrectionTab final : public QWidget {
    Q_OBJECT
public:
    explicit CorrectionTab(QWidget* parent);
    void Show(const CorrectionPage& page);
    CorrectionPage Read() const;

    QLineEdit* CorrectionNameEdit;
    QPushButton* CorrectionBrowseBtn;
    QPushButton* CorrectionReloadBtn;
    QLineEdit* CorrectionShortEdit;
    QLineEdit* CorrectionOpenEdit;
    QCheckBox* CorrectionAlarmCheckBox;
signals:
    void Changed();
};

class ReferenceTab final : public QWidget {
    Q_OBJECT
public:
    explicit ReferenceTab(QWidget* parent);
    void Show(const ReferencePage& page);
    ReferencePage Read() const;

    QLineEdit* ReferenceNameEdit;
    QPushButton* ReferenceBrowseBtn;
    QPushButton* ReferenceReloadBtn;
    QListWidget* ReferenceTraceListBox;
    QCheckBox* ReferenceAlarmCheckBox;
signals:
    void Changed();
    // The user chose a trace: moved the list's current row (mouse or keys)
    // or clicked the current row. Once per choice; filling the list in
    // Show is no choice.
    void TraceChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillTraceList(const ReferencePage& page);
    void TraceClicked(const QListWidgetItem* item);

    // The current row when a mouse button last went down on the list: a
    // click that moved the row was told by the row change already.
    int rowAtPress_ = -1;
};
