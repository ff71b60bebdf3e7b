#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <map>

class QSocketNotifier;

// One running copy per user: a second copy asks the first to come to the front and ends.
//
// The copies meet at a local socket in the temporary folder, with a request of one line: the
// plain socket calls of the system are all it takes, so the program carries no network library
// for it.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(QString name, QObject *parent = nullptr);
    ~SingleInstance() override;

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
    bool listen();
    void acceptCallers();
    void readFrom(int socket);
    void handle(QByteArray request);

    struct Caller
    {
        QSocketNotifier *notifier = nullptr;
        QByteArray request;
    };

    QString m_name;
    QByteArray m_path; // the socket's file, while this copy listens there
    int m_listener = -1;
    QSocketNotifier *m_listening = nullptr;
    std::map<int, Caller> m_callers; // by socket
};
