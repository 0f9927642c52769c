#pragma once

#include <QObject>
#include <QtGlobal>

struct Form1Controls;
class LanguageTable;
class MessageBoxes;
class QComboBox;
class QWidget;

// The parameter panel: the widgets that are the parameter set, with their edit rules.
// The constructor wires the panel's own events:
// - Text_id takes only digits, "." and Backspace as typed keys (navigation keys and Delete
//   still work); pasting or dropping text with other characters is refused; a value above
//   65535 becomes "65535";
// - Textsets(8) becomes "1" when its text is no number;
// - Textsets(4) and Textsets(6) become "65535" when their value is above 65535;
// - every selection of Combo_workmod, by the user or the program, disables Textsets(5) and
//   Textsets(6) for "TCP Server" and enables them for any other entry; typing into its edit
//   field leaves it without a selection;
// - Command_default and MenuLoadIni load the defaults.
class ParameterPanel {
public:
    ParameterPanel(Form1Controls& ui, LanguageTable& lang, MessageBoxes& boxes,
                   QWidget* dialogParent);

    // Serial-format byte (0..63) from the three serial selectors; Failure 381 when one has
    // no selection.
    int getcomset() const;
    // Selects parity, data and stop bits from a serial-format value. Bits 6 and 7 are
    // ignored; parity codes 2, 4 and 6 match no entry and leave the parity selector alone.
    void setcomset(int value);
    // Flags byte: bit i is set when Check_flag(i) is checked.
    quint8 getWorkFlag() const;
    // Checks or clears all eight Check_flag boxes from the bits of flag.
    void setWorkFlag(quint8 flag);

    // The selected work-mode item, which is the mode code 0..3; -1 when none is selected,
    // as after the user typed into the box (Qt keeps the old index then; this does not).
    int workModeIndex() const;
    // Selects a work-mode item (-1: none) and applies the enabling rule, even when the
    // item was selected already. Failure 380 for an index the list does not have.
    void setWorkModeIndex(int index);

    // Load defaults: the notice box, then, once it is closed, the default values. The COM
    // port number and both passwords stay as they are.
    void loadDefaults();

    Form1Controls& ui() { return ui_; }

private:
    void workModeSelected(int index);

    Form1Controls& ui_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    QWidget* dialogParent_;
    bool modeSelected_ = false;
    // Receiver of the panel's connections: they end with the panel.
    QObject context_;
};
