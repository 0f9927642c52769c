#include "typing.h"

#include <QtTest>

void typeKeys(QWidget* widget, const QString& keys) {
    for (QChar c : keys) {
        if (c == u'<')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else
            QTest::keyClick(widget, c.toLatin1());
    }
}
