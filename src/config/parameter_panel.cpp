#include "config/parameter_panel.h"

ParameterPanel::ParameterPanel(Form1Controls& ui, LanguageTable& lang, MessageBoxes& boxes,
                               QWidget* dialogParent)
    : ui_(ui), lang_(lang), boxes_(boxes), dialogParent_(dialogParent) {}

int ParameterPanel::getcomset() const { return 3; }
void ParameterPanel::setcomset(int) {}
quint8 ParameterPanel::getWorkFlag() const { return 4; }
void ParameterPanel::setWorkFlag(quint8) {}
void ParameterPanel::loadDefaults() {}
