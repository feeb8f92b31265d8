#pragma once

// Drives the program's own modal dialogs in tests: the action queued here
// runs on the dialog as soon as it is the active modal widget, before the
// test's call that opens it returns.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace torval::test {

// Runs f on the next modal dialog of type T once it is open. A dialog that
// never comes is reported; one of another type is closed, and a dialog that
// f leaves open is rejected after a while, so that no test hangs.
template<typename T>
void whenModal(std::function<void(T *)> f, int tries = 300)
{
    QTimer::singleShot(tries == 300 ? 0 : 10, qApp, [f, tries] {
        QWidget *w = QApplication::activeModalWidget();
        if (auto *d = qobject_cast<T *>(w)) {
            QTimer::singleShot(5000, d, [d] {
                if (d->isVisible())
                    d->reject();
            });
            f(d);
            return;
        }
        if (tries > 0) {
            whenModal<T>(f, tries - 1);
            return;
        }
        ADD_FAILURE() << "expected dialog " << T::staticMetaObject.className() << " did not open";
        if (w)
            w->close();
    });
}

// For an action that opens a dialog only sometimes: runs f on the modal
// dialog of type T if one is open once the action has started its loop.
template<typename T>
void ifModal(std::function<void(T *)> f)
{
    QTimer::singleShot(0, qApp, [f] {
        if (auto *d = qobject_cast<T *>(QApplication::activeModalWidget()))
            f(d);
    });
}

} // namespace torval::test
