#pragma once
// The small window that tells how far a print job or a preview has come.
#include <QWidget>

class QLabel;

class TRichPrntProgDlg : public QWidget {
    Q_OBJECT
public:
    explicit TRichPrntProgDlg(QWidget* parent = nullptr);

    // Shows a status with the job's title and the current page number.
    void SetStatus(const QString& status, const QString& title, int page);

    QLabel* lblStatus = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblPageNumber = nullptr;

private:
    void FitAndCentre();
};
