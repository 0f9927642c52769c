#include "lang/about_dialog.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "app/window_layout.h"
#include "lang/captions.h"
#include "lang/language_table.h"

// The pictures are compiled into the static core library, whose automatic resource
// registration the linker drops: register them here, in code the program always links.
static int registerBuiltinResources() {
    Q_INIT_RESOURCE(resources);
    return 1;
}
static const int builtinResources = registerBuiltinResources();

namespace {

struct Rect {
    int left, top, width, height; // twips
};

template <typename W> W* place(W* widget, const char* name, Rect r) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(twips(r.left), twips(r.top), twips(r.width), twips(r.height));
    return widget;
}

QLabel* label(QDialog* d, const char* name, const QString& text, Rect r, bool black) {
    QLabel* l = place(new QLabel(text, d), name, r);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    if (black) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(p);
    }
    return l;
}

// A horizontal line from (x1, y) to (x2, y), in twips.
void line(QDialog* d, const char* name, int x1, int x2, int y, const QColor& colour, int width) {
    auto* f = new QFrame(d);
    f->setObjectName(QLatin1String(name));
    f->setGeometry(twips(x1), twips(y), twips(x2 - x1), width);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, colour);
    f->setPalette(p);
}

} // namespace

AboutDialog::AboutDialog(QWidget* mainWindow, LanguageTable& lang, const QString& logoPath)
    : mainWindow_(mainWindow), lang_(lang), logoPath_(logoPath) {
    if (auto* menu = mainWindow_->findChild<QAction*>(QStringLiteral("MenuAbout")))
        QObject::connect(menu, &QAction::triggered, mainWindow_, [this] { show(); });
}

// The dialog's controls that the Load handler sets.
struct AboutDialog::Controls {
    QDialog* frmAbout = nullptr;
    QLabel* ImageLogo = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblContact = nullptr;
    QPushButton* cmdOK = nullptr;
};

void AboutDialog::show() {
    if (!dialog_) {
        const Controls c = build();
        load(c);
        dialog_ = c.frmAbout;
        // Centred over the main window.
        QRect frame = dialog_->frameGeometry();
        frame.moveCenter(mainWindow_->frameGeometry().center());
        dialog_->move(frame.topLeft());
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

AboutDialog::Controls AboutDialog::build() {
    Controls c;
    // A child dialog of the main window: no taskbar entry of its own; fixed size, no minimise
    // or maximise button.
    auto* d = new QDialog(mainWindow_, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                           Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    c.frmAbout = d;
    d->setObjectName(QStringLiteral("frmAbout"));
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->setModal(false);
    d->setFixedSize(twips(WidthTwips), twips(HeightTwips));
    d->setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    d->setWindowTitle(QStringLiteral("关于我的应用程序"));

    c.ImageLogo = place(new QLabel(d), "ImageLogo", {480, 360, 1200, 1200});
    c.ImageLogo->setScaledContents(true);
    c.ImageLogo->setPixmap(QPixmap(BuiltinLogo));
    c.lblTitle = label(d, "lblTitle", QStringLiteral("应用程序标题"), {2130, 240, 4005, 360}, true);
    c.lblVersion = label(d, "lblVersion", QStringLiteral("版本"), {2130, 720, 3885, 225}, false);
    c.lblDescription =
        label(d, "lblDescription", QStringLiteral("应用程序描述"), {2130, 1125, 3885, 1170}, true);
    // An etched separator above the contact text and the button.
    line(d, "Line1(1)", 90, 6120, 2445, QColor(128, 128, 128), 1);
    line(d, "Line1(0)", 105, 5654, 2460, Qt::white, 2);
    c.lblContact = label(d, "lblContact", QString(), {255, 2625, 3630, 465}, true);
    c.cmdOK = place(new QPushButton(QStringLiteral("确定"), d), "cmdOK", {4200, 2640, 1500, 345});
    // Enter presses the default button; Esc closes the dialog as well.
    c.cmdOK->setDefault(true);
    QObject::connect(c.cmdOK, &QPushButton::clicked, d, &QDialog::close);
    return c;
}

void AboutDialog::load(const Controls& c) {
    auto text = [this](const char* key) { return lang_.getLangText(QLatin1String(key)); };
    c.frmAbout->setWindowTitle(text("lang_abbout_title"));
    c.lblVersion->setText(text("lang_version") + versionText());
    c.lblTitle->setText(text("lang_appname"));
    // A missing or unreadable picture file leaves the built-in picture.
    QPixmap picture;
    if (picture.load(logoPath_))
        c.ImageLogo->setPixmap(picture);
    c.cmdOK->setText(text("lang_confirm"));
    c.lblDescription->setText(text("lang_lblDescription"));
    c.lblContact->setText(text("lang_lblContact"));
}
