#include "lang/about_dialog.h"

#include <QDialog>

AboutDialog::AboutDialog(QWidget* mainWindow, LanguageTable& lang, const QString& logoPath)
    : mainWindow_(mainWindow), lang_(lang), logoPath_(logoPath) {}

void AboutDialog::show() {}
