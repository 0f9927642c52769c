#pragma once

#include <QString>

class QWidget;

// Types keys into a widget one at a time, as the user would; "<" stands for Backspace.
void typeKeys(QWidget* widget, const QString& keys);
