// One running copy per user: the first start listens on a local socket; a later start
// finds it, asks it to bring its main window to the front, and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace zs::platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // The socket name of the current user's copy.
    static QString defaultName();

    explicit SingleInstance(QString name, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy (it now listens); false when another copy runs,
    // which has then been asked to come to the front.
    bool becomePrimary();

signals:
    // A later start asked this copy to show its main window.
    void raiseRequested();

private:
    void onConnection();

    QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace zs::platform
