#pragma once

#include "TLogon.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace data {

// The connection problem screen: the server named in the settings did not answer.
class TFormErro : public QDialog
{
    Q_OBJECT
public:
    explicit TFormErro(QWidget *parent = nullptr);

    // Shows the screen modally and tells which button closed it; closing it any
    // other way counts as "Abortar".
    static TLogon::ProblemChoice ask(QWidget *parent);
    TLogon::ProblemChoice choice() const { return m_choice; }

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TLogon::ProblemChoice m_choice = TLogon::ProblemChoice::Abort;
};

} // namespace data
