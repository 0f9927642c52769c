#include "config/parameter_panel.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "app/controls.h"
#include "app/toolkit.h"
#include "app/window_layout.h"
#include "config/encodings.h"
#include "config/failure.h"
#include "config/numbers.h"
#include "lang/language_table.h"

namespace {

constexpr double PortLimit = 65535;
const QString PortLimitText = QStringLiteral("65535");

bool isIdChar(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.';
}

qsizetype foreignIdChars(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar c) { return !isIdChar(c); });
}

// Whether a key pressed in Text_id may reach it: digits, "." and Backspace, plus the keys
// that only move the cursor or the focus, and Delete. Everything else is discarded, the
// shortcuts for copy, cut, paste, undo and select-all included.
bool idKeyAllowed(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    default:
        return key.text().size() == 1 && isIdChar(key.text()[0]);
    }
}

class IdKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            return !idKeyAllowed(*static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::InputMethod)
            return foreignIdChars(static_cast<QInputMethodEvent*>(event)->commitString()) > 0;
        return false;
    }
};

// The typing limit of Text_id that also refuses an edit bringing in characters other than
// digits and "." (pasting from the context menu, middle-click, drag and drop). Texts set by
// the program are never refused.
class IdTypingLimit : public TypingLimit {
public:
    using TypingLimit::TypingLimit;
    State validate(QString& input, int& pos) const override {
        if (foreignIdChars(input) > foreignIdChars(before()))
            return Invalid;
        return TypingLimit::validate(input, pos);
    }
};

void clampToPortLimit(QLineEdit* edit, const QString& text) {
    if (lenientNumber(text) > PortLimit)
        edit->setText(PortLimitText);
}

// The item code of the selected entry; Failure 381 without a selection.
int selectedCode(const QComboBox* box) {
    if (box->currentIndex() < 0)
        throw Failure(Failure::NoListEntry);
    return box->currentData().toInt();
}

// Selects the entry whose item code is code; without one the selection stays.
void selectCode(QComboBox* box, int code) {
    for (int i = 0; i < box->count(); ++i) {
        if (box->itemData(i).toInt() == code) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace

ParameterPanel::ParameterPanel(Form1Controls& ui, LanguageTable& lang, MessageBoxes& boxes,
                               QWidget* dialogParent)
    : ui_(ui), lang_(lang), boxes_(boxes), dialogParent_(dialogParent) {
    // Text_id: the key filter, the typing limit that also guards pasting, the clamp.
    QLineEdit* id = ui_.Text_id;
    id->installEventFilter(new IdKeyFilter(&context_));
    int idLimit = 5;
    if (auto* old = qobject_cast<TypingLimit*>(const_cast<QValidator*>(id->validator()))) {
        idLimit = old->maxLength();
        delete old;
    }
    new IdTypingLimit(id, idLimit);
    QObject::connect(id, &QLineEdit::textChanged, &context_,
                     [id](const QString& text) { clampToPortLimit(id, text); });

    for (int i : {4, 6}) {
        QLineEdit* edit = ui_.Textsets[i];
        QObject::connect(edit, &QLineEdit::textChanged, &context_,
                         [edit](const QString& text) { clampToPortLimit(edit, text); });
    }
    QLineEdit* comPort = ui_.Textsets[8];
    QObject::connect(comPort, &QLineEdit::textChanged, &context_, [comPort](const QString& text) {
        if (!isNumber(text))
            comPort->setText(QStringLiteral("1"));
    });

    // Combo_workmod: a selection is an item picked or set; typing leaves none. Qt keeps the
    // old index while the edit text changes, so the panel tracks the selection itself.
    QComboBox* mode = ui_.Combo_workmod;
    modeSelected_ =
        mode->currentIndex() >= 0 && mode->currentText() == mode->itemText(mode->currentIndex());
    QObject::connect(mode, &QComboBox::currentIndexChanged, &context_,
                     [this](int index) { workModeSelected(index); });
    QObject::connect(mode, &QComboBox::activated, &context_,
                     [this](int index) { workModeSelected(index); });
    QObject::connect(mode, &QComboBox::editTextChanged, &context_,
                     [this, mode](const QString& text) {
                         if (text != mode->itemText(mode->currentIndex()))
                             modeSelected_ = false;
                     });
    if (QLineEdit* edit = mode->lineEdit())
        QObject::connect(edit, &QLineEdit::textEdited, &context_,
                         [this] { modeSelected_ = false; });

    // Load defaults cannot fail with the built-in lists; a handler lets nothing escape.
    auto loadDefaultsClicked = [this] {
        try {
            loadDefaults();
        } catch (const Failure&) {
        }
    };
    QObject::connect(ui_.Command_default, &QPushButton::clicked, &context_, loadDefaultsClicked);
    QObject::connect(ui_.MenuLoadIni, &QAction::triggered, &context_, loadDefaultsClicked);
}

int ParameterPanel::getcomset() const {
    const int parity = selectedCode(ui_.Combo1);
    const int dataBits = selectedCode(ui_.Combo2);
    const int stopBits = selectedCode(ui_.Combo3);
    return rotLeft(static_cast<quint8>(parity), 3) | dataBits |
           rotLeft(static_cast<quint8>(stopBits), 2);
}

void ParameterPanel::setcomset(int value) {
    selectCode(ui_.Combo1, rotRight(static_cast<quint8>(value & 0x38), 3));
    selectCode(ui_.Combo2, value & 3);
    selectCode(ui_.Combo3, rotRight(static_cast<quint8>(value & 4), 2));
}

quint8 ParameterPanel::getWorkFlag() const {
    quint8 flag = 0;
    for (int i = 0; i < 8; ++i)
        if (ui_.Check_flag[i]->isChecked())
            flag |= rotLeft(1, static_cast<qint16>(i));
    return flag;
}

void ParameterPanel::setWorkFlag(quint8 flag) {
    for (int i = 0; i < 8; ++i) {
        const quint8 bit = rotLeft(1, static_cast<qint16>(i));
        ui_.Check_flag[i]->setChecked((flag & bit) == bit);
    }
}

int ParameterPanel::workModeIndex() const {
    return modeSelected_ ? ui_.Combo_workmod->currentIndex() : -1;
}

void ParameterPanel::setWorkModeIndex(int index) {
    if (index < -1 || index >= ui_.Combo_workmod->count())
        throw Failure(Failure::InvalidValue);
    ui_.Combo_workmod->setCurrentIndex(index);
    // Setting the index it already has raises no signal; the rule holds all the same.
    workModeSelected(index);
}

void ParameterPanel::workModeSelected(int index) {
    modeSelected_ = index >= 0;
    const bool destination = index != 3; // "TCP Server" has no destination
    ui_.Textsets[5]->setEnabled(destination);
    ui_.Textsets[6]->setEnabled(destination);
}

void ParameterPanel::loadDefaults() {
    boxes_.information(dialogParent_, lang_.getLangText(QStringLiteral("lang_notice")),
                       lang_.getLangText(QStringLiteral("lang_Command_default_t")));
    const std::pair<int, const char*> texts[] = {
        {0, "192.168.0.7"}, {1, "255.255.255.0"}, {2, "192.168.0.201"}, {3, "115200"},
        {4, "20108"},       {5, "192.168.0.201"}, {6, "8234"},          {7, "00-01-02-03-04-05"},
    };
    for (const auto& [index, text] : texts)
        ui_.Textsets[index]->setText(QLatin1String(text));
    setWorkModeIndex(1); // "TCP Client"
    setcomset(3);        // "NONE", " 8", " 1"
    setWorkFlag(4);      // only "RS485"
    ui_.Text_id->setText(QStringLiteral("0"));
}
