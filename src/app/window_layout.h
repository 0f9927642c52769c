#pragma once

#include <array>

#include <QFont>
#include <QString>

class QMainWindow;
class QWidget;
class QGroupBox;
class QLabel;
class QLineEdit;
class QComboBox;
class QCheckBox;
class QPushButton;
class QListWidget;
class QPlainTextEdit;
class QMenu;
class QAction;
class QTimer;
class ClickLabel;

// Every control of the main window, by the names the rest of the program uses.
// The window owns them (Qt parent-child); this struct only points at them.
struct Form1Controls {
    // Groups.
    QGroupBox* Frame1 = nullptr;  // parameter panel
    QGroupBox* Frame2 = nullptr;  // operation log
    QGroupBox* Frame3 = nullptr;  // operations over the network
    QGroupBox* Frame4 = nullptr;  // operations on the computer
    QGroupBox* Frame5 = nullptr;  // operations over the serial port
    QGroupBox* Frame6 = nullptr;  // hint line
    QGroupBox* Frame7 = nullptr;  // LAN-wide reset
    QGroupBox* Frame8 = nullptr;  // MAC addresses found
    QGroupBox* Frame9 = nullptr;  // firmware version
    QGroupBox* Frame10 = nullptr; // right column heading
    QGroupBox* Frame11 = nullptr; // module ID
    QGroupBox* Frame12 = nullptr; // special functions

    // Parameter panel.
    std::array<QLineEdit*, 11> Textsets{};
    std::array<QLabel*, 11> Label1{}; // no Label1(8)
    std::array<ClickLabel*, 16> Label2{};
    QLabel* Label4 = nullptr;
    QComboBox* Combo_workmod = nullptr;
    QComboBox* Combo1 = nullptr; // parity
    QComboBox* Combo2 = nullptr; // data bits
    QComboBox* Combo3 = nullptr; // stop bits
    QLineEdit* Text_id = nullptr;
    std::array<QCheckBox*, 8> Check_flag{};

    // Hint line.
    ClickLabel* Label3 = nullptr;
    ClickLabel* gourl = nullptr;

    // Log.
    QPlainTextEdit* Text_log = nullptr;

    // Buttons.
    QPushButton* Command_default = nullptr;
    QPushButton* Command_saveset = nullptr;
    QPushButton* Command_read = nullptr;
    QPushButton* Command_set = nullptr;
    QPushButton* Command_search = nullptr;
    QPushButton* Command_netset = nullptr;
    QPushButton* Command_reset = nullptr;
    QPushButton* Command_rv = nullptr;

    // Network operations.
    QListWidget* List1 = nullptr;
    QLabel* Label5 = nullptr;
    QCheckBox* Check_autoread = nullptr;

    // Right column.
    QLabel* Label6 = nullptr;
    QLineEdit* Text_resettime = nullptr;
    QLabel* Label_ver = nullptr;
    QPlainTextEdit* Textmac = nullptr;

    // Menus.
    QMenu* MenuFile = nullptr;
    QAction* MenuLoadIni = nullptr;
    QAction* MenuSaveIni = nullptr;
    QAction* MenuExit = nullptr;
    QMenu* MenuSearch = nullptr;
    QAction* MenuLanSearch = nullptr;
    QAction* MenuComSearch = nullptr;
    QAction* MenuLang = nullptr;
    QAction* MenuAbout = nullptr;

    // Timers: serial reply timeout, search window, daily reset clock.
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
};

// One pixel per 15 twips: the layout's unit.
constexpr int twips(int t) {
    return t / 15;
}

// Client area when opened, and the full width with the right column.
constexpr int ClientWidthTwips = 8520;
constexpr int ClientHeightTwips = 8040;
constexpr int FullWidthTwips = 8520 + 3495;

// The window's default font: the system's face at 9 points, which the fixed-size controls
// are made for. The application uses it too, for menus, message boxes and dialogs.
QFont windowFont();

// Builds every control at its place with its built-in text, the menus and the timers.
// Returns the central widget that holds the groups.
Form1Controls buildWindowLayout(QMainWindow* window);

// The object name of a member of a control family, e.g. "Textsets(3)".
QString familyName(const char* family, int index);
