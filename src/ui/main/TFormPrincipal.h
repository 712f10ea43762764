#pragma once

#include "platform/ribbon/Ribbon.h"

#include <QMainWindow>
#include <functional>

class QLabel;
class QScrollArea;
class QStatusBar;
class QTimer;

namespace platform {
class KeyboardStatePanel;
}

namespace ui {

class RoomBoard;

// The main window: the ribbon with every command, the cash-state line, the room
// board and the status bar. Lives for the whole run; closing it ends the program.
class TFormPrincipal : public QMainWindow
{
    Q_OBJECT
public:
    explicit TFormPrincipal(QWidget *parent = nullptr);

    // Runs the creation steps, login included; false when no operator logged in.
    bool FormCreate();
    void FormShow();

    void Timer1Timer();
    void Image3Click();

    void ApplyBaseLook();
    void EnsureCompanyColumns();
    void LoadAppearance();
    void ApplyRibbonAccent();
    void ShowCashState();
    void EnableOnlyCommands(const QString &a, const QString &b);

    // The room board in ScrollBox1.
    void BuildRoomBoard();
    void RefreshRoomStates();

    // The board takes the cash as closed when the line says so.
    bool cashClosed() const;

    platform::Ribbon *ribbon() const { return dxRibbon; }
    QLabel *status() const { return Status; }
    RoomBoard *roomBoard() const { return m_board; }
    QScrollArea *scrollBox() const { return ScrollBox1; }

    // Accent of a stored CorMenu at start-up: exact text "0" to "4", anything else blue.
    static platform::Ribbon::Accent accentForStartup(const QString &corMenu);
    // Accent after the appearance screen: CorMenu read as a whole number.
    static platform::Ribbon::Accent accentForNumber(const QString &corMenu);
    // The cash-state line for a cash number (0: closed) and operator.
    static QString cashStateText(int cashNumber, const QString &operatorName);

    // Command handlers: one per ribbon command.
    void dxBarLargeButton4Click();
    void dxBarLargeButton1Click();
    void dxBarLargeButton30Click();
    void dxBarLargeButton14Click();
    void dxBarLargeButton2Click();
    void dxBarLargeButton13Click();
    void dxBarLargeButton25Click();
    void dxBarLargeButton17Click();
    void dxBarLargeButton20Click();
    void dxBarLargeButton26Click();
    void dxBarLargeButton29Click();
    void dxBarLargeButton33Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildRibbon();
    void buildStatus();
    // Wires a command to its handler and enables it; commands without one stay disabled.
    void handle(const char *name, void (TFormPrincipal::*handler)());

    platform::Ribbon *dxRibbon = nullptr;
    QLabel *Status = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image3 = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Aguarde = nullptr;
    QStatusBar *dxStatusBar1 = nullptr;
    platform::KeyboardStatePanel *keyboardPanel = nullptr;
    QLabel *operatorPanel = nullptr;
    QTimer *Timer1 = nullptr;
    RoomBoard *m_board = nullptr;
    bool m_shownOnce = false;
};

} // namespace ui
