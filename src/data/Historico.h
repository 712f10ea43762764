#pragma once

#include "platform/dataset/Query.h"

#include <QDateTime>
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTableView;

namespace ds {
class DatasetModel;
}

namespace data {

// The HORA text of a history row: "dd/MM/yy HH:mm:ss", only the date at exactly midnight.
QString historyTimeText(const QDateTime &when);

// Writes one history row (the time now, the operator, the whole action text) on the
// query given. Errors raise DbError to the writer.
void GravarHistorico(ds::Query &q, const QString &operador, const QString &acao);

// The read-only list of the first 200 history rows ("LOG DO SISTEMA").
class TFormHistorico : public QDialog
{
    Q_OBJECT
public:
    // Opens the list at once. A database that cannot be read is reported to the operator
    // here, and exec() then returns Rejected without showing the viewer.
    explicit TFormHistorico(QWidget *parent = nullptr);

    int exec() override;

    ds::Query &historico() { return Historico; }

    void FormShow();
    void SpeedButton3Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    ds::Query Historico;
    ds::DatasetModel *m_model;
    bool m_failed = false;

    QFrame *Panel1;
    QFrame *Panel2;
    QLabel *Label1;
    QPushButton *SpeedButton3;
    QTableView *DBGrid1;
};

} // namespace data
