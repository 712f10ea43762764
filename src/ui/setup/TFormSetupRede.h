#pragma once

#include <QDialog>
#include <optional>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

// Network setup: this computer as the server computer or as a terminal with the
// server's IPv4 address. A successful save ends the program so the next start
// uses the new setting.
class TFormSetupRede : public QDialog
{
    Q_OBJECT
public:
    explicit TFormSetupRede(const QString &home, QWidget *parent = nullptr);

    enum Mode { Terminal = 0, Servidor = 1 };
    Mode mode() const;
    QString terminalIP() const { return FTerminalIP; }

    // Dotted IPv4 with each part 0-255 (leading zeros allowed), normalised; nullopt otherwise.
    static std::optional<QString> normaliseIPv4(const QString &text);

    void btnSaveClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadCurrentSetting();
    void applyMode(bool fromClick);
    bool validateInput(QString &address, bool &server);
    void refuse(const QString &text, bool selectAll);

    QString m_home;
    QString FTerminalIP;
    QPoint m_dragOffset;

    QFrame *pnlOuter;
    QLabel *pnlHeader;
    QFrame *pnlContent;
    QLabel *lblDescription;
    QGroupBox *rgComputerType;
    QButtonGroup *m_choice;
    QRadioButton *rbTerminal;
    QRadioButton *rbServidor;
    QLabel *lblServerIP;
    QLineEdit *edtServerIP;
    QLabel *lblIPHint;
    QFrame *pnlModeInfo;
    QLabel *lblModeInfoTitle;
    QLabel *lblModeInfo;
    QPushButton *btnSave;
    QPushButton *btnCancel;
};

} // namespace ui
