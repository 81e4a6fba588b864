#pragma once
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

namespace tovrin::test {

// Answers every message box that opens while it lives, and keeps their texts.
class BoxCloser {
public:
    BoxCloser() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }

    QStringList texts;

private:
    QTimer m_timer;
};

}  // namespace tovrin::test
