#include "app/controls.h"

#include <QMouseEvent>

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

TypingLimit::TypingLimit(QLineEdit* edit, int maxLength)
    : QValidator(edit), edit_(edit), max_(maxLength) {
    edit->setValidator(this);
}

QValidator::State TypingLimit::validate(QString& input, int&) const {
    // The validator sees only edits by the user; setText() is not validated.
    if (input.size() <= max_ || input.size() < edit_->text().size())
        return Acceptable;
    return Invalid;
}
