#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running copy per user: a second copy asks the first to come to the front and ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QString name, QObject *parent = nullptr);

    // The per-user name of the program's channel.
    static QString defaultName();

    // True when this copy is the first: it then listens for later copies. False when another
    // copy runs; that copy has then been asked to come to the front, and to open `project`
    // when one is given.
    bool claim(const QString &project = {});

signals:
    void activationRequested();
    void openRequested(const QString &project);

private:
    void readRequest();

    QString m_name;
    QLocalServer *m_server = nullptr;
};
