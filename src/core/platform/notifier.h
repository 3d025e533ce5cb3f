#pragma once

#include <QString>

namespace vidorev {

// Tells the user something outside the window, as the desktop's notification pop-up does.
// Fire and forget: where no notification service runs the notice is lost and nothing else
// happens; a notice never waits for the desktop.
class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(const QString &summary, const QString &body) = 0;
};

// For runs that reach no desktop (the settings command line, screenshots).
class SilentNotifier final : public Notifier {
public:
    void notify(const QString &, const QString &) override {}
};

} // namespace vidorev
