#pragma once
// The index of the Synaxarium's saints and keywords: the saints table in a
// read-only grid with letter-divider rows, a seek by typed prefix, the
// Gregorian year of the dates shown, and the opening of a row's entry.

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;
class TGridModel;
class TUpDown;

class TfrmSynxShowSaints : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSynxShowSaints(QWidget* parent = nullptr);
    ~TfrmSynxShowSaints() override;

    void FormShow();
    void SeekKeyword();
    void OpenSelectedSaint();
    void updwnSynxYearClick();

    QFrame* pnlTop = nullptr;
    QTableView* dbgrdSynxSaints = nullptr;
    QFrame* dbnvgtrSynxSaints = nullptr;
    QLineEdit* edtGregYear = nullptr;
    TUpDown* updwnSynxYear = nullptr;
    QLineEdit* edtSearch = nullptr;
    QLabel* pnlFound = nullptr;
    QPushButton* btnSynxShowText = nullptr;
    QPushButton* btnClose = nullptr;
    TGridModel* Model() const { return model_; }

    void setVisible(bool visible) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ShowFound(bool found);
    TGridModel* model_ = nullptr;
};

extern TfrmSynxShowSaints* frmSynxShowSaints;
