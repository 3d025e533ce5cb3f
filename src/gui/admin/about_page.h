#pragma once

#include <QWidget>

class QLabel;

namespace vidorev {

// "Help": what the desk is for, and which version this is.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    explicit AboutPage(QWidget *parent = nullptr);

    // The version text the host passes ("1.0.0"); empty shows this build's own version.
    void setVerData(const QString &version);
    QString versionText() const;

private:
    QLabel *m_version = nullptr;
};

} // namespace vidorev
