#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QWidget;
class LanguageTable;

// frmAbout: opened without blocking the main window, brought to the front when already open,
// built anew each time it is opened after being closed.
class AboutDialog {
public:
    // Client area 6360 x 3240 twips.
    static constexpr int WidthTwips = 6360;
    static constexpr int HeightTwips = 3240;
    static inline const QString BuiltinLogo = QStringLiteral(":/builtin_logo.png");

    AboutDialog(QWidget* mainWindow, LanguageTable& lang, const QString& logoPath);

    // MenuAbout.
    void show();
    // The open dialog; null when it is closed.
    QDialog* dialog() const { return dialog_; }

private:
    struct Controls;
    Controls build();
    void load(const Controls& c);

    QWidget* mainWindow_;
    LanguageTable& lang_;
    QString logoPath_;
    QPointer<QDialog> dialog_;
};
