#pragma once

class QMainWindow;
struct Form1Controls;
class LanguageTable;
class OperationLog;

// Puts the texts of the current language on every caption and tooltip.
class Captions {
public:
    Captions(QMainWindow* window, Form1Controls& ui, LanguageTable& lang, OperationLog& log);

    void applyLang();

private:
    QMainWindow* window_;
    Form1Controls& ui_;
    LanguageTable& lang_;
    OperationLog& log_;
};
