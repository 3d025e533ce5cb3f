#include "gui/desk.h"

#include "platform/settings_keys.h"
#include "platform/version.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace vidorev::test {

Desk::Desk()
    : writer(env.store(), Version::current().hostTag(), Version::current().full()) {}

Desk::~Desk() = default;

QString Desk::makeUser(const QString &user, const QString &diary) {
    env.put(user, keys::kCompat, Version::current().hostTag());
    return env.makeDiary(user, diary);
}

MainWindow &Desk::open(const QString &commandLine) {
    window.reset();
    window = std::make_unique<MainWindow>(env.services(), writer, commandLine);
    window->show();
    window->handleFirstActivation();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}

QWidget *Desk::showing(const QString &name, QWidget *in) const {
    const QList<QWidget *> all = (in ? in : window.get())->findChildren<QWidget *>(name);
    for (QWidget *w : all)
        if (w->isVisible())
            return w;
    EXPECT_FALSE(all.isEmpty()) << "no " << name.toStdString();
    return all.value(0);
}

void Desk::click(const QString &name, QWidget *in) const {
    if (auto *button = qobject_cast<QAbstractButton *>(showing(name, in)))
        button->click();
}

void Desk::setUser(const QString &user) const {
    find<QLineEdit>(QStringLiteral("txtUserId"))->setText(user);
}

} // namespace vidorev::test
