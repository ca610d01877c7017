#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

// Clicks the window's button of that name; a missing one fails the test.
inline void Click(const QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// Runs open, which shows dialog modally, and steps inside the dialog's modal loop. The loop ends whatever
// the steps do: a dialog still open after them fails the test and is rejected, so that a failed check never
// leaves the test waiting for its timeout. A dialog that open doesn't show modally fails the test too.
inline void RunModal(QDialog& dialog, const std::function<void()>& open, const std::function<void()>& steps) {
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &dialog, [&dialog, &steps] {
        if (!dialog.isVisible()) {
            ADD_FAILURE() << dialog.objectName().toStdString() << " is not open";
            return;
        }
        steps();
        if (dialog.isVisible()) {
            ADD_FAILURE() << dialog.objectName().toStdString() << " is still open after the steps";
            dialog.reject();
        }
    });
    timer.start(0);
    open();
    if (timer.isActive()) {
        timer.stop();
        ADD_FAILURE() << dialog.objectName().toStdString() << " was not shown modally";
    }
}
