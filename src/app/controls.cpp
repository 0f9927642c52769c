#include "app/controls.h"

#include <QMouseEvent>

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TypingLimit::TypingLimit(QLineEdit* edit, int maxLength)
    : QValidator(edit), max_(maxLength), before_(edit->text()) {
    edit->setValidator(this);
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State TypingLimit::validate(QString& input, int&) const {
    // The validator sees only edits by the user; setText() is not validated. An edit that
    // shortens is always taken, so a longer text set by the program can be cut key by key.
    if (input.size() <= max_ || input.size() < before_.size())
        return Acceptable;
    return Invalid;
}
