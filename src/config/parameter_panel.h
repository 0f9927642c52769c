#pragma once

#include <QtGlobal>

struct Form1Controls;
class LanguageTable;
class MessageBoxes;
class QWidget;

// The parameter panel: the widgets that are the parameter set, with their edit rules.
class ParameterPanel {
public:
    ParameterPanel(Form1Controls& ui, LanguageTable& lang, MessageBoxes& boxes,
                   QWidget* dialogParent);

    // Serial-format byte from the three serial selectors; Failure 381 when one has none.
    int getcomset() const;
    void setcomset(int value);
    quint8 getWorkFlag() const;
    void setWorkFlag(quint8 flag);
    // Load defaults: the notice box, then the default values.
    void loadDefaults();

    Form1Controls& ui() { return ui_; }

private:
    Form1Controls& ui_;
    LanguageTable& lang_;
    MessageBoxes& boxes_;
    QWidget* dialogParent_;
};
