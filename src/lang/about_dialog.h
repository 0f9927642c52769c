#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QWidget;
class LanguageTable;

// Opens the About dialog without blocking the main window.
class AboutDialog {
public:
    AboutDialog(QWidget* mainWindow, LanguageTable& lang, const QString& logoPath);

    void show();
    QDialog* dialog() const { return dialog_; }

private:
    QWidget* mainWindow_;
    LanguageTable& lang_;
    QString logoPath_;
    QPointer<QDialog> dialog_;
};
