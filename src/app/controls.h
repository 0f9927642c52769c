#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QValidator>

// A label with a click event, as the help labels and the web link need.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A maximum length that limits typing only: a longer text set by the program stays whole,
// and the user can still shorten it. (QLineEdit::setMaxLength would cut program texts too.)
class TypingLimit : public QValidator {
    Q_OBJECT
public:
    TypingLimit(QLineEdit* edit, int maxLength);
    State validate(QString& input, int& pos) const override;
    int maxLength() const { return max_; }

protected:
    // The field's text before the edit being validated: the field already holds the edited
    // text while it is validated, so the last accepted or program-set text is kept here.
    const QString& before() const { return before_; }

private:
    int max_;
    QString before_;
};
