#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace testsupport {

// Acts on the next modal dialog of type D once it is up: the one way a test answers a real
// modal dialog.
template <class D>
void whenShown(std::function<void(D*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
            timer->deleteLater();
            timer->stop();
            act(dialog);
        }
    });
    timer->start(10);
}

}  // namespace testsupport
